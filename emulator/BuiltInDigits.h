#pragma once
// The glyphs the panel's firmware draws register values with. The image's narrow-glyph area
// holds only the characters that texts use, so the panel brings its own '0'..'9', 'A'..'F',
// '-', '.' and '*'; the emulator takes them from an 8 x 16 font of 16 row bytes per character
// code (the delivered ASCII.DAT), which the caller reads.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "render/GlyphLayout.h"

namespace tavelo {

class CBuiltInDigits {
public:
    static constexpr std::string_view kCharacters = "0123456789ABCDEF-.*";

    // A character the font does not hold in full stays blank.
    static CBuiltInDigits FromAsciiFont(std::span<const std::uint8_t> font);

    // The glyph in column bytes; blank for any character outside kCharacters.
    std::span<const std::uint8_t> Glyph(char character) const;

private:
    std::array<NarrowGlyph, kCharacters.size()> m_glyphs{};
    NarrowGlyph m_blank{};
};

}  // namespace tavelo
