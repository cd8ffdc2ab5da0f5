#pragma once
// How a register record shows its value: digits, decimals, sign, HEX/BCD or decimal, float and
// the engineering scaling from the input limits to the engineering limits. The field is as wide
// as the editor's preview of the register ("-123.45" for signed, 5 digits, 2 decimals); the
// value is right-aligned in it, and a value the field cannot hold fills it with '*'.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavelo {

struct CImageRecord;

struct CRegisterFormat {
    static constexpr std::int32_t kMaxDigits = 10;
    static constexpr char kOverRange = '*';

    std::int32_t m_nDigits = 5;
    std::int32_t m_nDecimals = 0;
    bool m_bSigned = false;  // signed or float: the field has a cell for the minus sign
    bool m_bDecimal = true;  // decimal or float; HEX/BCD otherwise
    bool m_bFloat = false;
    bool m_bEngineering = false;
    std::int64_t m_nByteCount = 2;
    std::int64_t m_nInputMax = 0;
    std::int64_t m_nInputMin = 0;
    std::int64_t m_nEngMax = 0;
    std::int64_t m_nEngMin = 0;

    static CRegisterFormat FromRecord(const CImageRecord& record);

    // The field's characters for the register contents, blanks in front of the value.
    std::string Text(std::int64_t contents) const;
    // The field's characters for an entry as typed ("-5"): its digits with the point placed by
    // the decimals ("-0.05"), right-aligned; the last characters when the field is too narrow.
    std::string EntryText(std::string_view typed) const;
    // The number of 8-dot cells of the field.
    std::size_t FieldWidth() const;

private:
    std::int32_t Digits() const;
    std::int32_t Decimals() const;
    // The value in units of its last shown digit, before rounding; NaN when there is none.
    double Units(std::int64_t contents) const;
};

}  // namespace tavelo
