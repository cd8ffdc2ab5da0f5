#pragma once
// One address unit of a PLC type: a register or coil area with its address limits.

#include <cstdint>
#include <string>

#include "Serializable.h"

namespace tavelo {

class CRegUnitConfig : public CSerializable {
public:
    static constexpr const char* kClassName = "CRegUnitConfig";

    enum Addressing : std::int32_t { kByte = 0, kBit = 1, kByteAndBit = 2 };

    std::string GetRuntimeClassName() const override { return kClassName; }
    // The name, then the eight numbers in member order.
    void Serialize(CArchive& ar) override;

    // A bit high limit above 7 means 16 bits per address.
    int GetBitsPerAddress() const { return m_nBitHigh > 7 ? 16 : 8; }

    bool operator==(const CRegUnitConfig&) const = default;

    std::u16string m_strName;
    std::int32_t m_nMaxCount = 0;
    std::int32_t m_nAddressing = kByte;
    std::int32_t m_nByteLow = 0;
    std::int32_t m_nByteHigh = 0;
    std::int32_t m_nBitLow = 0;
    std::int32_t m_nBitHigh = 0;
    std::int32_t m_nTypeNo = 0;
    std::int32_t m_nUnitBytes = 0;
};

}  // namespace tavelo
