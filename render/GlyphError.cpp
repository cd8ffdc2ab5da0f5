#include "GlyphError.h"

#include <cstdio>

namespace tavelo {

std::string DescribeCharacter(char16_t character) {
    char text[8];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
    return text;
}

void RequireGlyphArea(std::size_t glyphBytes, std::size_t expectedSize,
                      std::size_t destinationSize) {
    if (glyphBytes != expectedSize || expectedSize > destinationSize)
        throw CGlyphError({}, "the glyphs take " + std::to_string(glyphBytes) +
                                  " bytes, the image reserves " + std::to_string(expectedSize) +
                                  " and the destination holds " + std::to_string(destinationSize));
}

}  // namespace tavelo
