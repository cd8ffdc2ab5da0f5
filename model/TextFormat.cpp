#include "TextFormat.h"

#include <algorithm>

namespace tavelo {

namespace {

std::u16string DecimalText(std::int64_t number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::u16string FormatNumbers(std::u16string_view pattern,
                             std::initializer_list<std::int64_t> numbers) {
    constexpr std::u16string_view kPlace = u"%d";
    std::u16string text;
    auto next = numbers.begin();
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const std::size_t place = pattern.find(kPlace, pos);
        if (place == std::u16string_view::npos || next == numbers.end()) break;
        text.append(pattern.substr(pos, place - pos));
        text += DecimalText(*next++);
        pos = place + kPlace.size();
    }
    text.append(pattern.substr(std::min(pos, pattern.size())));
    return text;
}

}  // namespace tavelo
