#pragma once
// Draws a text of the image, given as its character codes, with the glyphs of the image's glyph
// areas: a code byte below 0x80 is an 8 x 16 narrow glyph; any other starts a two-byte code
// whose low 12 bits place a 16 x 16 glyph in the wide area. Vector glyphs of characters below
// 128 (type nibbles 9, A and B) fill an 8-dot cell, as the rasteriser centres them in their
// advance; all other wide glyphs a 16-dot cell.

#include <cstdint>
#include <span>

#include "ColumnPicture.h"

namespace tavelo {

class CLcdFrame;
class CPanelImage;

class CTextPainter {
public:
    static constexpr std::int32_t kGlyphHeight = 16;
    static constexpr std::int32_t kNarrowWidth = 8;
    static constexpr std::int32_t kWideWidth = 16;

    explicit CTextPainter(const CPanelImage& image) : m_image(image) {}

    // Draws the text from (x, y) to the right; returns its width in dots. A code without a
    // glyph leaves its cell empty; a last byte that starts a two-byte code is ignored.
    std::int32_t Draw(CLcdFrame& frame, std::span<const std::uint8_t> codes, std::int32_t x,
                      std::int32_t y, const CDotLook& look) const;

private:
    const CPanelImage& m_image;
};

}  // namespace tavelo
