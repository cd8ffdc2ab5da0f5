#include "BitmapLibrary.h"

#include <algorithm>

#include "CompileError.h"
#include "CompilerMessages.h"
#include "elements/ByteText.h"
#include "elements/StaticBitmap.h"
#include "model/FieldText.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace {

// A gauge, a pointer turned left and a pointer turned right, in the glyph layout of the image.
constexpr std::array<std::uint8_t, CBitmapLibrary::kPictureSetBytes> kPictureSet = {
    0xF0, 0xF8, 0x0C, 0x06, 0x03, 0x03, 0x73, 0xF3, 0x73, 0x03, 0x03, 0x02, 0x06, 0x0C, 0xF8, 0xF0,
    0x1F, 0x3F, 0x60, 0xC0, 0x0C, 0xC0, 0xC0, 0xC1, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0x60, 0x3F, 0x1F,
    0xF0, 0xF8, 0x0C, 0x06, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x02, 0x06, 0x0C, 0xF8, 0xF0,
    0x1F, 0x3F, 0x60, 0xCC, 0xCE, 0xC7, 0xC3, 0xC1, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0x60, 0x3F, 0x1F,
    0xF0, 0xF8, 0x0C, 0x06, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x02, 0x06, 0x0C, 0xF8, 0xF0,
    0x1F, 0x3F, 0x60, 0xC0, 0xC0, 0xC0, 0xC0, 0xC1, 0xC3, 0xC7, 0xCE, 0xCC, 0xC0, 0x60, 0x3F, 0x1F,
};

void RequireArea(std::size_t bytes, std::size_t expectedSize, std::size_t destinationSize,
                 const char* what) {
    if (bytes != expectedSize || expectedSize > destinationSize)
        throw CCompileError({}, std::string(what) + " take " + std::to_string(bytes) +
                                    " bytes, the image reserves " + std::to_string(expectedSize));
}

}  // namespace

const std::array<std::uint8_t, CBitmapLibrary::kPictureSetBytes>& CBitmapLibrary::PictureSet() {
    return kPictureSet;
}

void CBitmapLibrary::Reset() {
    m_static.clear();
    m_nStaticSize = 0;
    m_dynamicTypes.clear();
    m_nAreaOffset = 0;
}

void CBitmapLibrary::AddStatic(const CStaticBitmap& bitmap) {
    if (FindStatic(bitmap)) return;
    const std::int32_t width = bitmap.GetWidth();
    const std::int32_t height = bitmap.GetHeight();
    if (width < 0 || width > kLargestSide || height < 0 || height > kLargestSide)
        throw CCompileError(FormatMessage(compiler_messages::kBitmapSides, bitmap.m_nScreenNo,
                                          width, height, kLargestSide),
                            "a static bitmap of " + std::to_string(width) + " x " +
                                std::to_string(height) + " dots does not fit its record");
    const auto size = static_cast<std::size_t>(width * height / 8);
    m_static.push_back(
        {bitmap.GetFileName(), width, height, &bitmap.GetPanelBits(), m_nStaticSize, size});
    m_nStaticSize += size;
}

void CBitmapLibrary::AddDynamic(std::int32_t bitmapType) {
    std::u16string key = FieldNumberText(bitmapType);
    if (std::find(m_dynamicTypes.begin(), m_dynamicTypes.end(), key) == m_dynamicTypes.end())
        m_dynamicTypes.push_back(std::move(key));
}

const CBitmapLibrary::CStaticEntry* CBitmapLibrary::FindStatic(const CStaticBitmap& bitmap) const {
    const auto found = std::find_if(m_static.begin(), m_static.end(), [&](const CStaticEntry& e) {
        return e.m_strFileName == bitmap.GetFileName() && e.m_nWidth == bitmap.GetWidth() &&
               e.m_nHeight == bitmap.GetHeight();
    });
    return found == m_static.end() ? nullptr : &*found;
}

std::size_t CBitmapLibrary::GetStaticOffset(const CStaticBitmap& bitmap) const {
    const CStaticEntry* entry = FindStatic(bitmap);
    return m_nAreaOffset + (entry ? entry->m_nOffset : 0);
}

std::size_t CBitmapLibrary::GetDynamicPosition(std::int32_t bitmapType) const {
    const auto found =
        std::find(m_dynamicTypes.begin(), m_dynamicTypes.end(), FieldNumberText(bitmapType));
    return static_cast<std::size_t>(found - m_dynamicTypes.begin());
}

std::size_t CBitmapLibrary::GetDynamicOffset(std::size_t position) const {
    return m_nAreaOffset + m_nStaticSize + position * kPictureSetBytes;
}

void CBitmapLibrary::WriteStatic(std::span<std::uint8_t> destination, std::size_t expectedSize,
                                 std::vector<std::u16string>& notes) const {
    RequireArea(m_nStaticSize, expectedSize, destination.size(), "the static bitmaps");
    for (const CStaticEntry& entry : m_static) {
        // One byte more than the entry holds tells a long text from a fitting one.
        const std::vector<std::uint8_t> bytes = DecodeByteText(*entry.m_pBits, entry.m_nSize + 1);
        if (bytes.size() != entry.m_nSize) notes.emplace_back(compiler_messages::kBitmapExtraction);
        const auto out = destination.subspan(entry.m_nOffset, entry.m_nSize);
        const std::size_t copied = std::min(bytes.size(), entry.m_nSize);
        std::copy_n(bytes.begin(), copied, out.begin());
        std::fill(out.begin() + static_cast<std::ptrdiff_t>(copied), out.end(), 0);
    }
}

void CBitmapLibrary::WriteDynamic(std::span<std::uint8_t> destination,
                                  std::size_t expectedSize) const {
    RequireArea(GetDynamicSize(), expectedSize, destination.size(), "the dynamic bitmaps");
    for (std::size_t i = 0; i < m_dynamicTypes.size(); ++i)
        std::copy(kPictureSet.begin(), kPictureSet.end(),
                  destination.begin() + static_cast<std::ptrdiff_t>(i * kPictureSetBytes));
}

}  // namespace tavelo
