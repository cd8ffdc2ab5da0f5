#pragma once
// The column rules of panel texts: a UTF-16 unit above 127 is a full-width character taking two
// columns of the panel's 8-dot cells, any other takes one; the panels cut texts to a column
// limit that depends on the font.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/PanelText.h"

namespace tavelo {

// A dot-matrix line holds 24 half-width columns, 12 at double size.
inline constexpr std::int64_t kDotMatrixColumns = 24;
inline constexpr std::int64_t kDoubleSizeColumns = 12;

// The text up to the first unit at which the running column count exceeds the limit. A cut
// never separates the two halves of a surrogate pair.
std::u16string CutToColumns(std::u16string_view text, std::int64_t limit);

std::int64_t DotMatrixColumnLimit(bool doubleSize);

// Glyphs across the canvas, n = int(432 / (size x 2.25)): 16 at size 12, 13 at 14, 9 at 20.
// A size of 0 or below, or one wider than the canvas, counts as the font dialog checks it,
// so a damaged size never empties a text.
std::int64_t VectorGlyphsPerLine(std::int32_t fontSize);

}  // namespace tavelo
