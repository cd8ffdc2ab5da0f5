#pragma once
// Conversions between the core's UTF-16 text, UTF-8 (terminal, JSON, sources) and the
// 8-bit code page 936 text of older files.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavelo {

// Undecodable bytes become U+FFFD, so a damaged string never stops a read.
std::u16string DecodeCodePage936(std::span<const std::uint8_t> bytes);
// Characters that code page 936 lacks become '?'.
std::string EncodeCodePage936(std::u16string_view text);

std::string ToUtf8(std::u16string_view text);
// Malformed UTF-8 becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

}  // namespace tavelo
