#include "LcdPng.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "LcdFrame.h"

namespace tavelo {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 1;
constexpr std::uint8_t kPaletteColour = 3;
constexpr std::uint8_t kNoFilter = 0;
constexpr std::size_t kLargestStoredBlock = 0xFFFF;
constexpr std::uint32_t kAdlerModulus = 65521;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// One chunk: length, type, data and the CRC-32 of type and data.
void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = start; i < out.size(); ++i)
        crc = kCrcTable[(crc ^ out[i]) & 0xFF] ^ (crc >> 8);
    Put32(out, crc ^ 0xFFFFFFFFu);
}

// A zlib stream of stored deflate blocks.
std::vector<std::uint8_t> Store(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t done = 0;
    do {
        const std::size_t size = std::min(kLargestStoredBlock, raw.size() - done);
        const bool last = done + size == raw.size();
        out.push_back(last ? 1 : 0);
        for (std::size_t value : {size, size ^ 0xFFFF}) {
            out.push_back(static_cast<std::uint8_t>(value));
            out.push_back(static_cast<std::uint8_t>(value >> 8));
        }
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(done),
                   raw.begin() + static_cast<std::ptrdiff_t>(done + size));
        done += size;
    } while (done < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % kAdlerModulus;
        b = (b + a) % kAdlerModulus;
    }
    Put32(out, (b << 16) | a);
    return out;
}

// Filter byte and one bit per pixel, most significant bit leftmost, for every pixel row.
std::vector<std::uint8_t> PixelRows(const CLcdFrame& frame, std::int32_t scale) {
    const auto width = static_cast<std::size_t>(CLcdFrame::kWidth * scale);
    const std::size_t rowBytes = (width + 7) / 8;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(CLcdFrame::kHeight * scale));
    for (std::int32_t y = 0; y < CLcdFrame::kHeight * scale; ++y) {
        raw.push_back(kNoFilter);
        std::vector<std::uint8_t> row(rowBytes);
        for (std::size_t x = 0; x < width; ++x)
            if (frame.Get(static_cast<std::int32_t>(x) / scale, y / scale))
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        raw.insert(raw.end(), row.begin(), row.end());
    }
    return raw;
}

}  // namespace

std::vector<std::uint8_t> CLcdPng::Encode(const CLcdFrame& frame, std::int32_t scale) {
    scale = std::clamp(scale, kMinScale, kMaxScale);
    std::vector<std::uint8_t> png(kSignature.begin(), kSignature.end());
    std::vector<std::uint8_t> header;
    Put32(header, static_cast<std::uint32_t>(CLcdFrame::kWidth * scale));
    Put32(header, static_cast<std::uint32_t>(CLcdFrame::kHeight * scale));
    header.insert(header.end(), {kBitDepth, kPaletteColour, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    std::vector<std::uint8_t> palette(std::begin(kBackground), std::end(kBackground));
    palette.insert(palette.end(), std::begin(kDot), std::end(kDot));
    PutChunk(png, "PLTE", palette);
    PutChunk(png, "IDAT", Store(PixelRows(frame, scale)));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace tavelo
