#include "TextStyle.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "PanelCoordinates.h"
#include "model/GraphObj.h"

namespace tavelo {

namespace {

// Half a vector glyph wide (size x 1.125) and one glyph high (size x 2.25).
constexpr double kHalfGlyphPerDot = kCanvasUnitsPerDot / 2;

std::int32_t SaturateToInt32(double value) {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::clamp(value, kLow, kHigh)));
}

}  // namespace

std::int32_t DotsToCanvasUnits(double dots) {
    return SaturateToInt32(dots * kCanvasUnitsPerDot);
}

Colour TextInk(bool inverse) {
    return inverse ? kWhite : kBlack;
}

Colour TextPaper(bool inverse) {
    return inverse ? kBlack : kWhite;
}

CFontDesc CTextStyle::MeasuringFont() const {
    if (m_bVector) return {m_strFaceName, DotsToCanvasUnits(m_nFontSize)};
    return {element_text::kFaceSongTi, DotsToCanvasUnits(m_nCellHeight)};
}

CFontDesc CTextStyle::DrawingFont(std::int32_t boxHeight) const {
    if (m_bVector) return MeasuringFont();
    return {element_text::kFaceSongTi, boxHeight};
}

CSize CTextStyle::MeasureBox(CDrawSurface& surface, const std::u16string& text,
                             bool doubleSize) const {
    const CSize extent = surface.MeasureText(MeasuringFont(), text);
    const std::int64_t factor = doubleSize ? 2 : 1;
    double cx =
        static_cast<double>(std::min<std::int64_t>(extent.cx * factor, CGraphObj::kCanvasWidth));
    double cy = static_cast<double>(extent.cy * factor);
    const double minWidth = m_bVector ? m_nFontSize * kHalfGlyphPerDot
                                      : static_cast<double>(m_nCellWidth) * kCanvasUnitsPerDot;
    const double minHeight = m_bVector ? m_nFontSize * kCanvasUnitsPerDot
                                       : static_cast<double>(m_nCellHeight) * kCanvasUnitsPerDot;
    cx = std::max(cx, minWidth);
    cy = std::max(cy, minHeight);
    return {SaturateToInt32(cx), SaturateToInt32(cy)};
}

}  // namespace tavelo
