#include "FieldText.h"

#include <algorithm>
#include <limits>

namespace tavelo {

namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

std::optional<std::int32_t> ParseFieldNumber(std::u16string_view text) {
    const bool negative = !text.empty() && text.front() == u'-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char16_t c : text) {
        if (!IsDigit(c)) return std::nullopt;
        magnitude = std::min(magnitude * 10 + (c - u'0'), kLimit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

std::u16string FieldNumberText(std::int64_t value) {
    const std::string narrow = std::to_string(value);
    return std::u16string(narrow.begin(), narrow.end());
}

std::u16string DigitsOnly(std::u16string_view text, std::size_t maxLength) {
    std::u16string digits;
    for (char16_t c : text)
        if (IsDigit(c) && digits.size() < maxLength) digits.push_back(c);
    return digits;
}

}  // namespace tavelo
