#include "PanelBitmap.h"

#include "BmpFile.h"
#include "ByteText.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

// Remainders above this round up.
constexpr std::int32_t kRoundDownLimit = 3;
constexpr std::uint8_t kWhiteByte = 0xFF;

}  // namespace

std::int64_t CPanelBitmap::RoundToBytes(std::int64_t pixels) {
    const std::int64_t remainder = pixels % 8;
    return remainder > kRoundDownLimit ? pixels - remainder + 8 : pixels - remainder;
}

std::int32_t CPanelBitmap::RowLength(std::int32_t width) {
    const std::int32_t bytes = width / 8;
    return bytes % 2 ? bytes + 1 : bytes;
}

std::optional<std::u16string> CPanelBitmap::CheckSize(std::int32_t width, std::int32_t height) {
    const std::int64_t roundedWidth = RoundToBytes(width), roundedHeight = RoundToBytes(height);
    if (roundedWidth > kMaxWidth || roundedHeight > kMaxHeight) return kTooLargeMessage;
    if (roundedWidth <= 0 || roundedHeight <= 0)
        return u"a picture of " + FieldNumberText(width) + u" x " + FieldNumberText(height) +
               u" pixels keeps no whole byte of dots";
    return std::nullopt;
}

CPanelBitmap CPanelBitmap::FromBmp(const CBmpFile& bmp) {
    CPanelBitmap bitmap;
    bitmap.m_nPixelWidth = bmp.GetWidth();
    bitmap.m_nPixelHeight = bmp.GetHeight();
    bitmap.m_nWidth = static_cast<std::int32_t>(RoundToBytes(bmp.GetWidth()));
    bitmap.m_nHeight = static_cast<std::int32_t>(RoundToBytes(bmp.GetHeight()));
    bitmap.TakeRows(bmp);
    bitmap.MakePanelBytes();
    return bitmap;
}

// The file's rows as they are, the pixels that rounding up added set white, and white rows
// below the picture.
void CPanelBitmap::TakeRows(const CBmpFile& bmp) {
    const std::size_t rowLength = static_cast<std::size_t>(RowLength(m_nWidth));
    const std::int32_t lastPixels = m_nPixelWidth % 8;
    const std::size_t lastByte = static_cast<std::size_t>(m_nWidth / 8 - 1);
    m_rowBytes.assign(rowLength * static_cast<std::size_t>(m_nHeight), kWhiteByte);
    for (std::int32_t y = 0; y < m_nHeight && y < m_nPixelHeight; ++y) {
        const std::span<const std::uint8_t> source = bmp.GetRow(y);
        std::uint8_t* row = m_rowBytes.data() + static_cast<std::size_t>(y) * rowLength;
        for (std::size_t i = 0; i < rowLength; ++i) row[i] = i < source.size() ? source[i] : 0;
        if (lastPixels > kRoundDownLimit) row[lastByte] |= 0x0F >> (lastPixels - 4);
    }
}

std::u16string CPanelBitmap::GetBitsText() const {
    return EncodeByteText(m_rowBytes);
}

std::u16string CPanelBitmap::GetPanelBitsText() const {
    return EncodeByteText(m_panelBytes);
}

// Each 8 x 8 block turns into 8 column bytes, inverted so that 1 is a dot.
void CPanelBitmap::MakePanelBytes() {
    const std::size_t rowLength = static_cast<std::size_t>(RowLength(m_nWidth));
    m_panelBytes.clear();
    m_panelBytes.reserve(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight) /
                         8);
    for (std::int32_t band = 0; band < m_nHeight / 8; ++band) {
        const std::uint8_t* top =
            m_rowBytes.data() + static_cast<std::size_t>(band) * 8 * rowLength;
        for (std::int32_t block = 0; block < m_nWidth / 8; ++block) {
            for (int column = 0; column < 8; ++column) {
                std::uint8_t columnByte = 0;
                for (int row = 0; row < 8; ++row) {
                    const std::uint8_t dots =
                        static_cast<std::uint8_t>(~top[static_cast<std::size_t>(row) * rowLength +
                                                       static_cast<std::size_t>(block)]);
                    if (dots & (0x80u >> column))
                        columnByte |= static_cast<std::uint8_t>(1u << row);
                }
                m_panelBytes.push_back(columnByte);
            }
        }
    }
}

}  // namespace tavelo
