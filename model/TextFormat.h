#pragma once
// Fills the "%d" places of the system's message texts with numbers, in order.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavelo {

// Each "%d" takes the next number; a "%d" without a number is kept as it is.
std::u16string FormatNumbers(std::u16string_view pattern,
                             std::initializer_list<std::int64_t> numbers);

template <class... Ints>
std::u16string FormatMessage(std::u16string_view pattern, Ints... numbers) {
    return FormatNumbers(pattern, {static_cast<std::int64_t>(numbers)...});
}

}  // namespace tavelo
