#pragma once
// How the panel measures text: each UTF-16 unit above 127 is a full-width character of two
// 8-dot columns (two bytes in the image), any other unit one column.

#include <cstdint>
#include <string_view>

namespace tavelo {

inline constexpr char16_t kLastHalfWidthUnit = 127;

constexpr std::int64_t UnitColumns(char16_t unit) {
    return unit > kLastHalfWidthUnit ? 2 : 1;
}

constexpr std::int64_t TextColumns(std::u16string_view text) {
    std::int64_t columns = 0;
    for (char16_t unit : text) columns += UnitColumns(unit);
    return columns;
}

constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace tavelo
