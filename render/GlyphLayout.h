#pragma once
// The panel's glyph layouts: font files and drawings hold row bytes (most significant bit
// leftmost), the download image holds column bytes in 8 x 8 blocks (bit k = row k).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavelo {

inline constexpr std::size_t kNarrowGlyphBytes = 16;  // 8 x 16 dots
inline constexpr std::size_t kWideGlyphBytes = 32;    // 16 x 16 dots
inline constexpr int kGlyphRows = 16;
inline constexpr int kWideGlyphColumns = 16;

using NarrowGlyph = std::array<std::uint8_t, kNarrowGlyphBytes>;
using WideGlyph = std::array<std::uint8_t, kWideGlyphBytes>;

// Column c of the result has bit k set when bit (7 - c) of row byte k is set.
std::array<std::uint8_t, 8> TransposeBlock(std::span<const std::uint8_t, 8> rows);

// 16 row bytes to the blocks of rows 0..7, then rows 8..15.
NarrowGlyph NarrowRowsToColumns(std::span<const std::uint8_t, kNarrowGlyphBytes> rows);
// 2 row bytes per dot row (left 8 dots, right 8 dots) to the top-left, top-right,
// bottom-left and bottom-right blocks.
WideGlyph WideRowsToColumns(std::span<const std::uint8_t, kWideGlyphBytes> rows);

// A glyph of the image layout (16 or 32 bytes) as 16 rows of '#' (dot) and '.' (no dot);
// empty for any other length.
std::vector<std::string> DrawGlyph(std::span<const std::uint8_t> columns);

// The all-0xFF glyph stands for a character the panel fonts lack.
bool IsMissingGlyph(std::span<const std::uint8_t> glyph);

}  // namespace tavelo
