#include "RegisterFormat.h"

#include <algorithm>
#include <cmath>

#include "BarGraphPainter.h"
#include "compiler/ImageContents.h"
#include "compiler/RegisterAttributes.h"

namespace tavelo {

namespace {

constexpr std::int64_t kDecimalsMask = 0x7F;
constexpr char kDigitCharacters[] = "0123456789ABCDEF";

}  // namespace

CRegisterFormat CRegisterFormat::FromRecord(const CImageRecord& record) {
    const std::int64_t attributes = record.Value("attributes");
    const std::int64_t decimals = record.Value("decimals");
    CRegisterFormat format;
    format.m_nDigits = static_cast<std::int32_t>(record.Value("digits"));
    format.m_nDecimals = static_cast<std::int32_t>(decimals & kDecimalsMask);
    format.m_bSigned = (attributes & register_bits::kSignedBit) != 0;
    format.m_bDecimal = (attributes & register_bits::kDecimalBit) != 0;
    format.m_bFloat = (decimals & register_bits::kFloatBit) != 0;
    format.m_bEngineering = (attributes & register_bits::kEngineeringBit) != 0;
    format.m_nByteCount = record.Value("byteCount");
    format.m_nInputMax = record.Value("inputMax");
    format.m_nInputMin = record.Value("inputMin");
    format.m_nEngMax = record.Value("engMax");
    format.m_nEngMin = record.Value("engMin");
    return format;
}

std::int32_t CRegisterFormat::Digits() const {
    return std::clamp(m_nDigits, 1, kMaxDigits);
}

// Decimals beyond the digits show as "0." in front of all of them, as the preview does.
std::int32_t CRegisterFormat::Decimals() const {
    return std::clamp(m_nDecimals, 0, Digits());
}

std::size_t CRegisterFormat::FieldWidth() const {
    const std::int32_t decimals = Decimals();
    const std::int32_t point = decimals == 0 ? 0 : decimals == Digits() ? 2 : 1;
    return static_cast<std::size_t>(Digits() + point + (m_bSigned ? 1 : 0));
}

double CRegisterFormat::Units(std::int64_t contents) const {
    const std::int64_t attributes = (m_bSigned ? CBarGraphPainter::kSignedBit : 0) |
                                    (m_bDecimal ? CBarGraphPainter::kDecimalBit : 0) |
                                    (m_bFloat ? CBarGraphPainter::kFloatBit : 0);
    double value = CBarGraphPainter::Interpret(contents, m_nByteCount, attributes);
    if (m_bFloat) value *= std::pow(10.0, Decimals());
    if (!m_bEngineering) return value;
    if (m_nInputMax == m_nInputMin) return std::nan("");
    return static_cast<double>(m_nEngMin) + (value - static_cast<double>(m_nInputMin)) *
                                                static_cast<double>(m_nEngMax - m_nEngMin) /
                                                static_cast<double>(m_nInputMax - m_nInputMin);
}

std::string CRegisterFormat::Text(std::int64_t contents) const {
    const std::size_t width = FieldWidth();
    const double units = std::round(Units(contents));
    const double base = m_bDecimal || m_bFloat ? 10 : 16;
    if (!std::isfinite(units) || std::abs(units) >= std::pow(base, Digits()) ||
        (units < 0 && !m_bSigned))
        return std::string(width, kOverRange);
    auto magnitude = static_cast<std::int64_t>(std::abs(units));
    std::string text;
    const std::int32_t decimals = Decimals();
    for (std::int32_t place = 0; magnitude != 0 || place <= decimals; ++place) {
        if (place == decimals && decimals != 0) text.insert(text.begin(), '.');
        text.insert(text.begin(), kDigitCharacters[magnitude % static_cast<std::int64_t>(base)]);
        magnitude /= static_cast<std::int64_t>(base);
    }
    if (units < 0) text.insert(text.begin(), '-');
    return std::string(width - text.size(), ' ') + text;
}

std::string CRegisterFormat::EntryText(std::string_view typed) const {
    const bool negative = typed.starts_with('-');
    std::string text(typed.substr(negative ? 1 : 0));
    const auto decimals = static_cast<std::size_t>(Decimals());
    if (!text.empty() && decimals != 0) {
        if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
        text.insert(text.size() - decimals, 1, '.');
    }
    if (negative) text.insert(0, 1, '-');
    const std::size_t width = FieldWidth();
    if (text.size() > width) return text.substr(text.size() - width);
    return std::string(width - text.size(), ' ') + text;
}

}  // namespace tavelo
