#include "BuiltInDigits.h"

namespace tavelo {

CBuiltInDigits CBuiltInDigits::FromAsciiFont(std::span<const std::uint8_t> font) {
    CBuiltInDigits digits;
    for (std::size_t i = 0; i < kCount; ++i) {
        const auto offset = (static_cast<std::size_t>(kFirstCharacter) + i) * kNarrowGlyphBytes;
        if (offset + kNarrowGlyphBytes > font.size()) continue;
        digits.m_glyphs[i] = NarrowRowsToColumns(font.subspan(offset).first<kNarrowGlyphBytes>());
    }
    return digits;
}

std::span<const std::uint8_t> CBuiltInDigits::Glyph(char character) const {
    if (character < kFirstCharacter || character > kLastCharacter) return m_blank;
    return m_glyphs[static_cast<std::size_t>(character - kFirstCharacter)];
}

std::int32_t CBuiltInDigits::Draw(CLcdFrame& frame, std::string_view text, std::int32_t x,
                                  std::int32_t y, const CDotLook& look) const {
    const std::int32_t start = x;
    for (const char character : text) {
        CColumnPicture(Glyph(character), kWidth).Draw(frame, x, y, kWidth, kHeight, look);
        x += kWidth * look.Scale();
    }
    return x - start;
}

}  // namespace tavelo
