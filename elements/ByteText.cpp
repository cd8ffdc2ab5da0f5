#include "ByteText.h"

#include <algorithm>

namespace tavelo {

std::u16string EncodeByteText(std::span<const std::uint8_t> bytes) {
    std::u16string text;
    text.reserve(bytes.size() * 4);
    for (std::uint8_t byte : bytes) {
        const std::string digits = std::to_string(byte);
        text.append(digits.begin(), digits.end());
        text.push_back(kByteTextSeparator);
    }
    return text;
}

std::vector<std::uint8_t> DecodeByteText(std::u16string_view text, std::size_t maxBytes) {
    std::vector<std::uint8_t> bytes;
    // Never more than the text can hold, whatever the caller asks for.
    bytes.reserve(std::min(maxBytes, text.size() / 2));
    std::uint8_t current = 0;
    for (char16_t c : text) {
        if (bytes.size() == maxBytes) break;
        if (c >= u'0' && c <= u'9') {
            current = static_cast<std::uint8_t>(current * 10 + (c - u'0'));
        } else if (c == kByteTextSeparator) {
            bytes.push_back(current);
            current = 0;
        }
    }
    return bytes;
}

}  // namespace tavelo
