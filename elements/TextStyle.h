#pragma once
// How a text element looks on the canvas, dot-matrix cell or vector face and size, and the two
// rules its preview follows: the box worked out from a string, and the font it is drawn in.

#include <cstdint>
#include <string>

#include "ElementTexts.h"
#include "model/DrawSurface.h"

namespace tavelo {

struct CTextStyle {
    // The panel font's cell, in dots.
    static constexpr std::int32_t kCellWidth = 8;
    static constexpr std::int32_t kCellHeight = 16;

    bool m_bVector = false;
    std::u16string m_strFaceName = element_text::kFaceSongTi;
    std::int32_t m_nFontSize = 12;
    std::int32_t m_nCellWidth = kCellWidth;
    std::int32_t m_nCellHeight = kCellHeight;

    // The extent of the text's box in canvas units: measured in the preview font, doubled at
    // double size, at most the canvas width, at least one cell (dot-matrix) or half a glyph by
    // one glyph (vector).
    CSize MeasureBox(CDrawSurface& surface, const std::u16string& text, bool doubleSize) const;
    // Dot-matrix text is drawn as high as its box, so a double-size text is drawn twice as
    // large; vector text always at its own size.
    CFontDesc DrawingFont(std::int32_t boxHeight) const;
    // Dot-matrix text is measured at one cell's height.
    CFontDesc MeasuringFont() const;
};

// Dot values as whole canvas units: x 2.25 truncated, saturating for absurd stored values.
std::int32_t DotsToCanvasUnits(double dots);

// Colours of a text preview: white on black when inverse.
Colour TextInk(bool inverse);
Colour TextPaper(bool inverse);

}  // namespace tavelo
