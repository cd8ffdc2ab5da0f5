#pragma once
// What the vector glyphs need from an outline rasteriser: one character of a face at a size,
// rendered as ink coverage with the metrics that place it in its cell. FreeType does it for
// the program (CFreeTypeRasteriser); tests hand in their own.

#include <cstdint>
#include <string>
#include <vector>

namespace tavelo {

// One rendered character. Lengths are dots; the bitmap lies m_nLeft right of the pen and
// its top row m_nTop above the baseline.
struct CGlyphCoverage {
    int m_nAdvance = 0;     // horizontal advance: the width of the character's cell
    int m_nAscent = 0;      // the face's line: baseline below its top
    int m_nLineHeight = 0;  // ascent plus descent
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<std::uint8_t> m_levels;  // m_nWidth x m_nHeight, row by row; 0 paper, 255 ink
};

class CGlyphRasteriser {
public:
    virtual ~CGlyphRasteriser() = default;

    // size is the font height in dots as the element holds it (its magnitude counts). Throws
    // CGlyphError naming the face when it cannot be found or loaded.
    virtual CGlyphCoverage Render(char16_t character, const std::u16string& faceName,
                                  std::int32_t size) = 0;
    // Whether the face holds the character rather than a stand-in box. Rasterisers that draw
    // every character answer true. Throws CGlyphError when the face cannot be found or loaded.
    virtual bool HasGlyph(char16_t /*character*/, const std::u16string& /*faceName*/) {
        return true;
    }
};

}  // namespace tavelo
