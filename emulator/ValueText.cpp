#include "ValueText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>

#include "RegisterFormat.h"
#include "compiler/ImageContents.h"

namespace tavelo {

namespace {

constexpr std::int64_t kFloatBytes = 4;

std::int64_t Mask(std::int64_t bytes) { return (std::int64_t{1} << (8 * bytes)) - 1; }

std::int64_t SignExtend(std::int64_t value, std::int64_t bytes) {
    const std::int64_t sign = std::int64_t{1} << (8 * bytes - 1);
    value &= Mask(bytes);
    return (value ^ sign) - sign;
}

template <typename T>
std::optional<T> Number(std::string_view text, int base = 10) {
    T value{};
    const char* const last = text.data() + text.size();
    std::from_chars_result result{};
    if constexpr (std::is_floating_point_v<T>)
        result = std::from_chars(text.data(), last, value);
    else
        result = std::from_chars(text.data(), last, value, base);
    if (result.ec != std::errc{} || result.ptr != last) return std::nullopt;
    return value;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

CValueText CValueText::Of(const CImageRecord& record) {
    CValueText text;
    text.m_nByteCount = std::clamp<std::int64_t>(record.Value("byteCount", 1), 1, 4);
    if (record.m_strKind != "register") return text;
    const CRegisterFormat format = CRegisterFormat::FromRecord(record);
    if (format.m_bFloat && text.m_nByteCount == kFloatBytes)
        text.m_eForm = EValueForm::Float;
    else if (!format.m_bDecimal)
        text.m_eForm = EValueForm::Hex;
    else if (format.m_bSigned)
        text.m_eForm = EValueForm::Signed;
    return text;
}

std::string CValueText::Format(std::int64_t value) const {
    char text[40];
    switch (m_eForm) {
        case EValueForm::Signed:
            return std::to_string(SignExtend(value, m_nByteCount));
        case EValueForm::Hex:
            std::snprintf(text, sizeof text, "0x%llX",
                          static_cast<unsigned long long>(value & Mask(m_nByteCount)));
            return text;
        case EValueForm::Float:
            std::snprintf(text, sizeof text, "%g",
                          static_cast<double>(std::bit_cast<float>(
                              static_cast<std::uint32_t>(value & Mask(kFloatBytes)))));
            return text;
        case EValueForm::Decimal:
            break;
    }
    return std::to_string(value & Mask(m_nByteCount));
}

std::optional<std::int64_t> CValueText::Parse(std::string_view text) const {
    text = Trimmed(text);
    std::optional<std::int64_t> value;
    switch (m_eForm) {
        case EValueForm::Float: {
            const std::optional<float> number = Number<float>(text);
            if (!number || !std::isfinite(*number)) return std::nullopt;
            return std::bit_cast<std::uint32_t>(*number);
        }
        case EValueForm::Hex:
            if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
            value = Number<std::int64_t>(text, 16);
            break;
        case EValueForm::Signed: {
            value = Number<std::int64_t>(text);
            const std::int64_t half = std::int64_t{1} << (8 * m_nByteCount - 1);
            if (!value || *value < -half || *value >= half) return std::nullopt;
            return *value & Mask(m_nByteCount);
        }
        case EValueForm::Decimal:
            value = Number<std::int64_t>(text);
            break;
    }
    if (!value || *value < 0 || *value > Mask(m_nByteCount)) return std::nullopt;
    return value;
}

}  // namespace tavelo
