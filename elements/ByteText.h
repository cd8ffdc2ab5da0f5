#pragma once
// The text encoding in which static bitmaps keep their pixel bytes: each byte as its decimal
// digits followed by the separator '@', the last byte included ("7@12@255@").

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

inline constexpr char16_t kByteTextSeparator = u'@';

std::u16string EncodeByteText(std::span<const std::uint8_t> bytes);

// Each digit makes the current byte current x 10 + digit, kept to 8 bits; a separator stores
// it and starts the next one at 0. Digits after the last separator and any other character
// are ignored. At most maxBytes bytes are returned, however many the text holds.
std::vector<std::uint8_t> DecodeByteText(std::u16string_view text, std::size_t maxBytes);

}  // namespace tavelo
