#pragma once
// A glyph writer's failure: the message the user is shown (empty when the caller shows its own)
// and the reason, naming the file, face or size at fault.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tavelo {

class CGlyphError : public std::runtime_error {
public:
    CGlyphError(std::u16string message, const std::string& reason)
        : std::runtime_error(reason), m_strMessage(std::move(message)) {}

    const std::u16string& GetMessage() const { return m_strMessage; }

private:
    std::u16string m_strMessage;
};

// "U+6E29": a character as messages name it.
std::string DescribeCharacter(char16_t character);

// A writer succeeds only when its glyphs fill exactly the area the image reserves; checked
// before the first byte is written so a wrong size never writes past the destination.
void RequireGlyphArea(std::size_t glyphBytes, std::size_t expectedSize,
                      std::size_t destinationSize);

}  // namespace tavelo
