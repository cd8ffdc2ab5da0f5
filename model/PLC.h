#pragma once
// A PLC type: its name, address units, station-number rules and usual serial settings.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "RegUnitConfig.h"
#include "SerialComParam.h"
#include "Serializable.h"

namespace tavelo {

class CPLC : public CSerializable {
public:
    static constexpr const char* kClassName = "CPLC";
    static constexpr const char16_t* kModbusRtuName = u"Modbus(RTU)";
    // Smallest tagged record: a tag, an empty 8-bit name, four int32, an empty unit count and
    // the five int32 of the serial defaults. Readers size their list checks by it.
    static constexpr std::size_t kSmallestStoredSize = 2 + 1 + 4 * 4 + 2 + 5 * 4;

    std::string GetRuntimeClassName() const override { return kClassName; }
    // Name, the two flags, the station range, the units as an object list, then the serial
    // defaults as five int32 without a tag.
    void Serialize(CArchive& ar) override;

    const std::u16string& GetName() const { return m_strName; }
    void SetName(std::u16string name) { m_strName = std::move(name); }
    const std::vector<CRegUnitConfig>& GetUnits() const { return m_units; }
    std::vector<CRegUnitConfig>& GetUnits() { return m_units; }
    CSerialComParam GetSerial() const { return m_serial; }
    void SetSerial(const CSerialComParam& serial) { m_serial = serial; }

    // The units are held by value, so a copy stays valid when its source is discarded.
    void SetUnits(const std::vector<CRegUnitConfig>& units);
    void FreeUnits() { m_units.clear(); }
    void CopyFrom(const CPLC& other);

    // 0..247 for exactly "Modbus(RTU)", else 0..255; stored into the record as well.
    void QueryStationRange(std::int32_t& min, std::int32_t& max);

    // The unit whose name matches, or null.
    const CRegUnitConfig* FindUnit(const std::u16string& name) const;

    bool operator==(const CPLC&) const = default;

    std::u16string m_strName;
    std::vector<CRegUnitConfig> m_units;
    CSerialComParam m_serial;
    std::int32_t m_bUseStation = 0;
    std::int32_t m_bAdvanced = 0;
    std::int32_t m_nStationMin = 0;
    std::int32_t m_nStationMax = 0;
};

}  // namespace tavelo
