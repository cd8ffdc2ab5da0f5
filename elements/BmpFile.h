#pragma once
// Reads an untrusted BMP file into one bit per pixel: rows from the top, each (width + 31) / 32
// x 4 bytes, the leftmost pixel in the high bit, 1 for a light pixel (no dot) and 0 for a dark
// one. Every header field, offset and size is checked against the file before it is used.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavelo {

// What is wrong with a BMP file and at which byte.
class CBmpError : public std::runtime_error {
public:
    CBmpError(const std::string& problem, std::size_t offset)
        : std::runtime_error(problem + " (at byte " + std::to_string(offset) + ")") {}
};

class CBmpFile {
public:
    static constexpr std::size_t kFileHeaderSize = 14;
    static constexpr std::uint32_t kInfoHeaderSize = 40;
    static constexpr std::uint16_t kSignature = 0x4D42;  // "BM"

    // Uncompressed files of 1, 4, 8, 16, 24 or 32 bits per pixel, bottom-up or top-down.
    // Pixels are light or dark by their colour: through the palette up to 8 bits, by the
    // channel masks above; dark means a luminance below half intensity. Throws CBmpError.
    static CBmpFile Parse(std::span<const std::uint8_t> bytes);

    std::int32_t GetWidth() const { return m_nWidth; }
    std::int32_t GetHeight() const { return m_nHeight; }
    std::size_t GetStride() const { return m_nStride; }
    // Row y from the top; GetStride() bytes.
    std::span<const std::uint8_t> GetRow(std::int32_t y) const;

    static std::size_t StrideOf(std::uint64_t width, std::uint32_t bitsPerPixel);

private:
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::size_t m_nStride = 0;
    std::vector<std::uint8_t> m_rows;
};

}  // namespace tavelo
