#pragma once
// The value an operator types into a settable register: digits up to the register's digit
// count and a sign for signed registers, accepted only within the register's input limits (or,
// without limits, the range of its byte count) and written as the register's format stores it.

#include <cstdint>
#include <optional>
#include <string>

#include "PlcMemory.h"
#include "compiler/ImageContents.h"
#include "compiler/RegisterAttributes.h"

namespace tavelo {

class CRegisterEntry {
public:
    // Whether the panel lets the operator enter a value into the register record.
    static bool IsEditable(const CImageRecord& record);

    explicit CRegisterEntry(const CImageRecord& record);

    const CImageRecord& GetRecord() const { return *m_pRecord; }
    bool NeedsPassword() const { return (m_nAttributes & register_bits::kPasswordBit) != 0; }
    // The digits typed, after a '-' when negative: "-120".
    std::string GetTyped() const { return (m_bNegative ? "-" : "") + m_strDigits; }

    void Type(int digit);
    // Only a signed register takes a sign.
    void ToggleSign();
    void Clear();
    // The typed value, or none while no digit is typed.
    std::optional<std::int64_t> Value() const;
    // Writes the typed value when it lies within the limits; false (and nothing written)
    // otherwise.
    bool Commit(IPlcMemory& memory) const;

private:
    bool IsEngineering() const { return (m_nAttributes & register_bits::kEngineeringBit) != 0; }
    // The raw value an engineering value in range stands for.
    std::int64_t RawValue(std::int64_t engineering) const;
    // The contents the PLC receives for a value in range: two's complement or BCD in the
    // register's byte count, or the IEEE single of a float register.
    std::int64_t Contents(std::int64_t value) const;

    const CImageRecord* m_pRecord;
    std::int64_t m_nAttributes;
    std::int64_t m_nBytes;
    std::size_t m_nDigits;
    bool m_bFloat;
    // 10 to the power of the decimals.
    std::int64_t m_nScale = 1;
    // The smallest and largest value ENT accepts.
    std::int64_t m_nMinimum = 0;
    std::int64_t m_nMaximum = 0;
    std::string m_strDigits;
    bool m_bNegative = false;
};

}  // namespace tavelo
