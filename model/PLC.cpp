#include "PLC.h"

#include "Archive.h"

namespace tavelo {

namespace {

// Smallest stored unit: a tag (2 bytes), an empty 8-bit name (1) and eight int32.
constexpr std::size_t kSmallestStoredUnit = 2 + 1 + 8 * 4;

}  // namespace

void CPLC::Serialize(CArchive& ar) {
    ar.String(m_strName);
    ar.Int32(m_bUseStation);
    ar.Int32(m_bAdvanced);
    ar.Int32(m_nStationMin);
    ar.Int32(m_nStationMax);
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_units);
    } else {
        m_units.clear();
        const std::uint32_t count = ar.ReadListCount(kSmallestStoredUnit);
        m_units.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i)
            m_units.push_back(
                std::move(*ar.ReadObjectOf<CRegUnitConfig>("an address unit (CRegUnitConfig)")));
    }
    m_serial.Serialize(ar);
}

void CPLC::SetUnits(const std::vector<CRegUnitConfig>& units) {
    if (&units == &m_units) return;
    m_units = units;
}

void CPLC::CopyFrom(const CPLC& other) {
    if (&other == this) return;
    m_strName = other.m_strName;
    SetUnits(other.m_units);
    m_serial = other.m_serial;
    m_bUseStation = other.m_bUseStation;
    m_bAdvanced = other.m_bAdvanced;
    m_nStationMin = other.m_nStationMin;
    m_nStationMax = other.m_nStationMax;
}

void CPLC::QueryStationRange(std::int32_t& min, std::int32_t& max) {
    m_nStationMin = 0;
    m_nStationMax = m_strName == kModbusRtuName ? 247 : 255;
    min = m_nStationMin;
    max = m_nStationMax;
}

const CRegUnitConfig* CPLC::FindUnit(const std::u16string& name) const {
    for (const CRegUnitConfig& unit : m_units)
        if (unit.m_strName == name) return &unit;
    return nullptr;
}

}  // namespace tavelo
