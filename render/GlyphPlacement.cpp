#include "GlyphPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "GlyphError.h"

namespace tavelo {

namespace {

constexpr std::uint8_t kHalfCoverage = 128;

}  // namespace

WideGlyph PlaceGlyph(const CGlyphCoverage& coverage, std::int32_t size) {
    const std::size_t dots = static_cast<std::size_t>(std::max(coverage.m_nWidth, 0)) *
                             static_cast<std::size_t>(std::max(coverage.m_nHeight, 0));
    if (coverage.m_levels.size() != dots)
        throw CGlyphError({}, "the rasteriser delivered " +
                                  std::to_string(coverage.m_levels.size()) + " levels for " +
                                  std::to_string(dots) + " dots");
    WideGlyph rows{};
    const std::int64_t cellHeight = std::llabs(static_cast<std::int64_t>(size));
    const std::int64_t height = std::min<std::int64_t>(cellHeight, kGlyphRows);
    const int width = std::clamp(coverage.m_nAdvance, 0, kWideGlyphColumns);
    // The one-character line is centred in the cell; the cell is exactly as wide as the
    // advance, so horizontally the pen starts at its left edge. The division rounds towards
    // zero, as the desktop's centring does.
    const std::int64_t baseline = (cellHeight - coverage.m_nLineHeight) / 2 + coverage.m_nAscent;
    const std::int64_t top = baseline - coverage.m_nTop;
    for (int by = 0; by < coverage.m_nHeight; ++by) {
        const std::int64_t y = top + by;
        if (y < 0 || y >= height) continue;
        for (int bx = 0; bx < coverage.m_nWidth; ++bx) {
            const int x = coverage.m_nLeft + bx;
            if (x < 0 || x >= width) continue;
            if (coverage.m_levels[static_cast<std::size_t>(by) * coverage.m_nWidth + bx] >=
                kHalfCoverage)
                rows[2 * y + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return rows;
}

}  // namespace tavelo
