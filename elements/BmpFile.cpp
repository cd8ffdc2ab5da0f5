#include "BmpFile.h"

#include <bit>
#include <limits>

namespace tavelo {

namespace {

constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;
// Field offsets from the start of the file.
constexpr std::size_t kDataOffsetField = 10;
constexpr std::size_t kHeaderSizeField = 14;
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kCompressionField = 30;
constexpr std::size_t kColoursUsedField = 46;
// The red, green and blue masks follow a 40-byte header, or are its next fields.
constexpr std::size_t kMasksOffset = CBmpFile::kFileHeaderSize + CBmpFile::kInfoHeaderSize;
constexpr std::size_t kMasksSize = 12;
constexpr std::size_t kPaletteEntrySize = 4;

struct CMasks {
    std::uint32_t m_nRed, m_nGreen, m_nBlue;
};
constexpr CMasks kMasks16 = {0x7C00, 0x03E0, 0x001F};
constexpr CMasks kMasks32 = {0xFF0000, 0x00FF00, 0x0000FF};

// At or above half intensity, by the usual luminance weights.
bool IsLight(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 299 * red + 587 * green + 114 * blue >= 128 * 1000;
}

// The channel under the mask, scaled to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t largest = mask >> shift;
    return static_cast<std::uint32_t>(((pixel & mask) >> shift) * std::uint64_t{255} / largest);
}

class CReader {
public:
    explicit CReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::uint32_t U16(std::size_t offset) const { return Byte(offset) | Byte(offset + 1) << 8; }
    std::uint32_t U32(std::size_t offset) const { return U16(offset) | U16(offset + 2) << 16; }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    std::uint32_t Byte(std::size_t offset) const { return m_bytes[offset]; }
    std::size_t Size() const { return m_bytes.size(); }
    // Bytes from offset to the end; offset lies within the file.
    std::size_t Remaining(std::size_t offset) const { return m_bytes.size() - offset; }

private:
    std::span<const std::uint8_t> m_bytes;
};

// How one file's pixels become light or dark.
class CPixelReader {
public:
    CPixelReader(std::uint32_t bitCount, std::vector<bool> lightIndices, CMasks masks)
        : m_nBitCount(bitCount), m_lightIndices(std::move(lightIndices)), m_masks(masks) {}

    // One row of the file into a row of the result.
    void ConvertRow(std::span<const std::uint8_t> source, std::int32_t width,
                    std::span<std::uint8_t> target) const {
        if (m_nBitCount == 1) {
            for (std::size_t i = 0; i < target.size(); ++i) target[i] = MapBits(source[i]);
            return;
        }
        for (std::int32_t x = 0; x < width; ++x)
            if (IsLightAt(source, static_cast<std::size_t>(x)))
                target[static_cast<std::size_t>(x) / 8] |= 0x80u >> (x % 8);
    }

private:
    // A whole byte of 1-bit pixels at once, padding bits included, so the usual black and
    // white palette keeps the file's bytes exactly.
    std::uint8_t MapBits(std::uint8_t bits) const {
        const bool zeroLight = IsLightIndex(0), oneLight = IsLightIndex(1);
        if (zeroLight == oneLight) return zeroLight ? 0xFF : 0x00;
        return oneLight ? bits : static_cast<std::uint8_t>(~bits);
    }

    // An index beyond the palette reads as black.
    bool IsLightIndex(std::size_t index) const {
        return index < m_lightIndices.size() && m_lightIndices[index];
    }

    bool IsLightAt(std::span<const std::uint8_t> row, std::size_t x) const {
        switch (m_nBitCount) {
            case 4:
                return IsLightIndex(x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4);
            case 8:
                return IsLightIndex(row[x]);
            case 24:
                return IsLight(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            case 16:
                return IsLightPixel(row[2 * x] | std::uint32_t{row[2 * x + 1]} << 8);
            default:
                return IsLightPixel(CReader(row).U32(4 * x));
        }
    }

    bool IsLightPixel(std::uint32_t pixel) const {
        return IsLight(Channel(pixel, m_masks.m_nRed), Channel(pixel, m_masks.m_nGreen),
                       Channel(pixel, m_masks.m_nBlue));
    }

    std::uint32_t m_nBitCount;
    std::vector<bool> m_lightIndices;
    CMasks m_masks;
};

bool IsSupportedBitCount(std::uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::size_t CBmpFile::StrideOf(std::uint64_t width, std::uint32_t bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::span<const std::uint8_t> CBmpFile::GetRow(std::int32_t y) const {
    return std::span(m_rows).subspan(static_cast<std::size_t>(y) * m_nStride, m_nStride);
}

CBmpFile CBmpFile::Parse(std::span<const std::uint8_t> bytes) {
    const CReader file(bytes);
    if (file.Size() < kFileHeaderSize + kInfoHeaderSize)
        throw CBmpError(
            "a file of " + std::to_string(file.Size()) + " bytes is too short for the BMP headers",
            0);
    if (file.U16(0) != kSignature) throw CBmpError("not a BMP file: it does not start with BM", 0);

    const std::uint32_t headerSize = file.U32(kHeaderSizeField);
    if (headerSize < kInfoHeaderSize || headerSize > file.Remaining(kFileHeaderSize))
        throw CBmpError("information header size " + std::to_string(headerSize) +
                            " is not supported or runs past the end of the file",
                        kHeaderSizeField);
    const std::int32_t width = file.I32(kWidthField);
    const std::int32_t height = file.I32(kHeightField);
    if (width <= 0)
        throw CBmpError("width " + std::to_string(width) + " is not positive", kWidthField);
    if (height == 0 || height == std::numeric_limits<std::int32_t>::min())
        throw CBmpError("height " + std::to_string(height) + " is not usable", kHeightField);
    const std::uint32_t bitCount = file.U16(kBitCountField);
    if (!IsSupportedBitCount(bitCount))
        throw CBmpError(std::to_string(bitCount) + " bits per pixel are not supported",
                        kBitCountField);
    const std::uint32_t compression = file.U32(kCompressionField);
    const bool bitFields = compression == kBitFields && (bitCount == 16 || bitCount == 32);
    if (compression != kUncompressed && !bitFields)
        throw CBmpError("compression " + std::to_string(compression) + " is not supported",
                        kCompressionField);

    // The colour table (up to 8 bits) or the channel masks follow the information header.
    const std::size_t tableStart = kFileHeaderSize + headerSize;
    std::size_t tableEnd = tableStart;
    std::vector<bool> lightIndices;
    CMasks masks = bitCount == 16 ? kMasks16 : kMasks32;
    if (bitCount <= 8) {
        const std::uint32_t possible = 1u << bitCount;
        const std::uint32_t used = file.U32(kColoursUsedField);
        const std::uint32_t count = used == 0 || used > possible ? possible : used;
        if (std::size_t{count} * kPaletteEntrySize > file.Remaining(tableStart))
            throw CBmpError("colour table of " + std::to_string(count) +
                                " entries runs past the end of the file",
                            tableStart);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t entry = tableStart + i * kPaletteEntrySize;
            lightIndices.push_back(
                IsLight(file.Byte(entry + 2), file.Byte(entry + 1), file.Byte(entry)));
        }
        tableEnd += std::size_t{count} * kPaletteEntrySize;
    } else if (bitFields) {
        if (headerSize == kInfoHeaderSize) tableEnd += kMasksSize;
        if (kMasksOffset + kMasksSize > file.Size())
            throw CBmpError("channel masks run past the end of the file", kMasksOffset);
        masks = {file.U32(kMasksOffset), file.U32(kMasksOffset + 4), file.U32(kMasksOffset + 8)};
    }

    // The header's own offset, unless it points into the headers or beyond the file.
    const std::uint32_t dataOffset = file.U32(kDataOffsetField);
    const std::size_t pixels =
        dataOffset >= tableEnd && dataOffset <= file.Size() ? dataOffset : tableEnd;
    const std::size_t sourceStride = StrideOf(static_cast<std::uint32_t>(width), bitCount);
    const std::size_t rows = height < 0 ? static_cast<std::size_t>(-std::int64_t{height})
                                        : static_cast<std::size_t>(height);
    if (rows > file.Remaining(pixels) / sourceStride)
        throw CBmpError("pixel data of " + std::to_string(rows) + " rows of " +
                            std::to_string(sourceStride) + " bytes runs past the end of the file",
                        pixels);

    CBmpFile result;
    result.m_nWidth = width;
    result.m_nHeight = static_cast<std::int32_t>(rows);
    result.m_nStride = StrideOf(static_cast<std::uint32_t>(width), 1);
    result.m_rows.assign(result.m_nStride * rows, 0);
    const CPixelReader reader(bitCount, std::move(lightIndices), masks);
    for (std::size_t y = 0; y < rows; ++y) {
        // Bottom-up files hold the top row last.
        const std::size_t sourceRow = height > 0 ? rows - 1 - y : y;
        reader.ConvertRow(bytes.subspan(pixels + sourceRow * sourceStride, sourceStride), width,
                          std::span(result.m_rows).subspan(y * result.m_nStride, result.m_nStride));
    }
    return result;
}

}  // namespace tavelo
