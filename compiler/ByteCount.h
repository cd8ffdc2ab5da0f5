#pragma once
// The check that a count fits the one byte the panel reads it from, with a message that names
// what overflowed, where, and the limit.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tavelo {

inline constexpr std::size_t kLargestByteCount = 255;

// Throws CCompileError when count is above kLargestByteCount. The message's "%d" places take
// the where numbers first, then the count and the limit; what names the count in the reason.
void RequireByteCount(std::size_t count, std::u16string_view message,
                      std::initializer_list<std::int64_t> where, std::string_view what);

}  // namespace tavelo
