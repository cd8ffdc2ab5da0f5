#pragma once
// The PLC address record embedded in every element that reads or writes the PLC: station,
// register count, address, bit and the address unit by its type number.

#include <cstdint>
#include <string>
#include <string_view>

#include "Serializable.h"

namespace tavelo {

class CFieldSink;
class CRegUnitConfig;

class CRegisterUnit : public CSerializable {
public:
    static constexpr const char* kClassName = "CRegisterUnit";
    // Only files with exactly this extension store the station number.
    static constexpr const char* kStationExtension = ".ZORX";
    static constexpr const char* kOlderExtension = ".ZOR";

    std::string GetRuntimeClassName() const override { return kClassName; }
    // Unit type, station (".ZORX" only), reserved, count, address, bit.
    void Serialize(CArchive& ar) override;

    // The stored fields as one group of the given name.
    void DescribeFields(CFieldSink& sink, std::string_view name) const;

    void CopyFrom(const CRegisterUnit& other) { *this = other; }

    bool operator==(const CRegisterUnit&) const = default;

    std::int32_t m_nStation = 1;
    std::int32_t m_nReserved = 0;
    std::int32_t m_nCount = 1;
    std::int32_t m_nAddress = 0;
    std::int32_t m_nBit = 0;
    // Set by the element's property page from the current PLC type; 0 until then.
    std::int32_t m_nUnitType = 0;
    std::int32_t m_nUnitBytes = 0;  // not stored
};

// The address as one number: the address for byte units, the bit for bit units, and
// bit + address × 8 (or × 16 for 16-bit addresses) for byte-and-bit units, clamped to the
// int32 range, since addresses come from files and typed fields.
std::int32_t LinearAddress(const CRegUnitConfig& unit, std::int32_t address, std::int32_t bit);

}  // namespace tavelo
