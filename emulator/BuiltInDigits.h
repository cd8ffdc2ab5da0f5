#pragma once
// The glyphs the panel's firmware draws with itself: register values and the texts of its own
// pages. The image's narrow-glyph area holds only the characters that texts use, so the panel
// brings its own printable ASCII characters; the emulator takes them from an 8 x 16 font of 16
// row bytes per character code (the delivered ASCII.DAT), which the caller reads.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "ColumnPicture.h"
#include "render/GlyphLayout.h"

namespace tavelo {

class CLcdFrame;

class CBuiltInDigits {
public:
    static constexpr char kFirstCharacter = ' ';
    static constexpr char kLastCharacter = '~';
    static constexpr std::int32_t kWidth = 8;
    static constexpr std::int32_t kHeight = 16;

    // A character the font does not hold in full stays blank.
    static CBuiltInDigits FromAsciiFont(std::span<const std::uint8_t> font);

    // The glyph in column bytes; blank for any character outside the printable range.
    std::span<const std::uint8_t> Glyph(char character) const;
    // Draws the text from (x, y) to the right, one 8-dot cell per character; returns its width.
    std::int32_t Draw(CLcdFrame& frame, std::string_view text, std::int32_t x, std::int32_t y,
                      const CDotLook& look) const;

private:
    static constexpr std::size_t kCount = kLastCharacter - kFirstCharacter + 1;

    std::array<NarrowGlyph, kCount> m_glyphs{};
    NarrowGlyph m_blank{};
};

}  // namespace tavelo
