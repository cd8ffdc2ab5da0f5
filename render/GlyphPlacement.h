#pragma once
// Places a rendered character in its cell as the panel's 16 x 16 glyph: the cell is as wide
// as the advance and as high as the size, the face's line is centred in it vertically, and a
// dot is black where the ink covers at least half of it. Only the cell's first 16 columns and
// 16 rows are kept.

#include <cstdint>

#include "GlyphLayout.h"
#include "GlyphRasteriser.h"

namespace tavelo {

// Row bytes (2 per dot row, most significant bit leftmost).
WideGlyph PlaceGlyph(const CGlyphCoverage& coverage, std::int32_t size);

}  // namespace tavelo
