#pragma once
// Conversions between the numbers of settings dialogs and the texts their edit fields show.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavelo {

// An optional '-' and at least one decimal digit; larger magnitudes saturate at the int32
// limits. Anything else (empty, blanks, letters, a lone '-') is not a number.
std::optional<std::int32_t> ParseFieldNumber(std::u16string_view text);

std::u16string FieldNumberText(std::int64_t value);

// The decimal digits of text, at most maxLength of them, as a digits-only field takes them.
std::u16string DigitsOnly(std::u16string_view text, std::size_t maxLength);

}  // namespace tavelo
