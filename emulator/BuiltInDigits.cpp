#include "BuiltInDigits.h"

namespace tavelo {

CBuiltInDigits CBuiltInDigits::FromAsciiFont(std::span<const std::uint8_t> font) {
    CBuiltInDigits digits;
    for (std::size_t i = 0; i < kCharacters.size(); ++i) {
        const auto offset = static_cast<std::size_t>(kCharacters[i]) * kNarrowGlyphBytes;
        if (offset + kNarrowGlyphBytes > font.size()) continue;
        digits.m_glyphs[i] = NarrowRowsToColumns(font.subspan(offset).first<kNarrowGlyphBytes>());
    }
    return digits;
}

std::span<const std::uint8_t> CBuiltInDigits::Glyph(char character) const {
    const std::size_t position = kCharacters.find(character);
    return position == std::string_view::npos ? m_blank : m_glyphs[position];
}

}  // namespace tavelo
