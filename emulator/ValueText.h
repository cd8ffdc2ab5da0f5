#pragma once
// A PLC value as a table of values shows and takes it: in the form the element that reads the
// address shows it (decimal, signed decimal, hexadecimal for HEX/BCD registers, or an IEEE
// single for float registers of four bytes), cut to the address's byte count.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavelo {

struct CImageRecord;

enum class EValueForm { Decimal, Signed, Hex, Float };

struct CValueText {
    EValueForm m_eForm = EValueForm::Decimal;
    std::int64_t m_nByteCount = 2;

    // The form of a register record; every other record shows its value as unsigned decimal.
    static CValueText Of(const CImageRecord& record);

    std::string Format(std::int64_t value) const;
    // The stored value for the text, or nothing when the text is no number of the form or
    // does not fit the byte count. Hex takes an optional "0x".
    std::optional<std::int64_t> Parse(std::string_view text) const;
};

}  // namespace tavelo
