#pragma once
// Encodes a register (kind 4): look and format flags, digits, input limits, address and
// engineering range, and its poll entry.

#include "PolledLoadData.h"

namespace tavelo {

class CRegister;

class CRegisterLoadData : public CPolledLoadData {
public:
    static constexpr std::uint8_t kRecordSize = 26;
    static constexpr std::int32_t kFloatDecimalsBit = 0x80;

    CRegisterLoadData() : CPolledLoadData(kRegisterRecord, kRecordSize) {}

    // A float kept on the first panel model, which has none, is written as the integer it is
    // shown as there.
    void Compute(const CRegister& element, bool floatOffered);

    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }
    bool IsSettableRegister() const override { return m_bSettable; }

private:
    std::int32_t m_nAttributes = 0;
    bool m_bSettable = false;
    std::int32_t m_nDigits = 0;
    std::int32_t m_nDecimals = 0;
    std::int32_t m_nInputMax = 0;
    std::int32_t m_nInputMin = 0;
    std::int32_t m_nEngMax = 0;
    std::int32_t m_nEngMin = 0;
};

}  // namespace tavelo
