#include "GlyphLayout.h"

#include <algorithm>

namespace tavelo {

namespace {

constexpr int kBlockSize = 8;

std::span<const std::uint8_t, 8> Block(std::span<const std::uint8_t> rows, std::size_t first) {
    return rows.subspan(first).first<8>();
}

}  // namespace

std::array<std::uint8_t, 8> TransposeBlock(std::span<const std::uint8_t, 8> rows) {
    std::array<std::uint8_t, 8> columns{};
    for (int c = 0; c < kBlockSize; ++c)
        for (int k = 0; k < kBlockSize; ++k)
            if (rows[k] & (0x80 >> c)) columns[c] |= static_cast<std::uint8_t>(1 << k);
    return columns;
}

NarrowGlyph NarrowRowsToColumns(std::span<const std::uint8_t, kNarrowGlyphBytes> rows) {
    NarrowGlyph glyph{};
    for (std::size_t half = 0; half < 2; ++half) {
        const auto block = TransposeBlock(Block(rows, half * kBlockSize));
        std::copy(block.begin(), block.end(), glyph.begin() + half * kBlockSize);
    }
    return glyph;
}

WideGlyph WideRowsToColumns(std::span<const std::uint8_t, kWideGlyphBytes> rows) {
    WideGlyph glyph{};
    // Blocks in image order: (top, left), (top, right), (bottom, left), (bottom, right).
    for (std::size_t block = 0; block < 4; ++block) {
        const std::size_t firstRow = (block / 2) * kBlockSize;
        const std::size_t side = block % 2;
        std::array<std::uint8_t, 8> blockRows{};
        for (std::size_t k = 0; k < kBlockSize; ++k) blockRows[k] = rows[2 * (firstRow + k) + side];
        const auto columns = TransposeBlock(blockRows);
        std::copy(columns.begin(), columns.end(), glyph.begin() + block * kBlockSize);
    }
    return glyph;
}

std::vector<std::string> DrawGlyph(std::span<const std::uint8_t> columns) {
    const bool wide = columns.size() == kWideGlyphBytes;
    if (!wide && columns.size() != kNarrowGlyphBytes) return {};
    const int width = wide ? kWideGlyphColumns : kBlockSize;
    std::vector<std::string> rows(kGlyphRows, std::string(width, '.'));
    for (int y = 0; y < kGlyphRows; ++y)
        for (int x = 0; x < width; ++x) {
            const int block = wide ? (y / kBlockSize) * 2 + x / kBlockSize : y / kBlockSize;
            const std::uint8_t column = columns[block * kBlockSize + x % kBlockSize];
            if (column & (1 << (y % kBlockSize))) rows[y][x] = '#';
        }
    return rows;
}

bool IsMissingGlyph(std::span<const std::uint8_t> glyph) {
    return std::all_of(glyph.begin(), glyph.end(), [](std::uint8_t b) { return b == 0xFF; });
}

}  // namespace tavelo
