#include "UnitChoiceList.h"

namespace tavelo {

namespace {

// Bit i set: addressing kind i is listed.
constexpr unsigned kKindsByFilter[] = {
    1u << CRegUnitConfig::kByte,
    1u << CRegUnitConfig::kBit,
    1u << CRegUnitConfig::kByteAndBit,
    (1u << CRegUnitConfig::kByte) | (1u << CRegUnitConfig::kBit),
    (1u << CRegUnitConfig::kByte) | (1u << CRegUnitConfig::kByteAndBit),
    (1u << CRegUnitConfig::kBit) | (1u << CRegUnitConfig::kByteAndBit),
};

}  // namespace

bool CUnitChoiceList::PassesFilter(const CRegUnitConfig& unit, std::int32_t filter) {
    const unsigned lowByte = static_cast<std::uint32_t>(filter) & 0xFFu;
    if (lowByte >= std::size(kKindsByFilter)) return false;
    if (unit.m_nAddressing < CRegUnitConfig::kByte ||
        unit.m_nAddressing > CRegUnitConfig::kByteAndBit)
        return false;
    return (kKindsByFilter[lowByte] >> unit.m_nAddressing) & 1u;
}

CUnitChoiceList::CUnitChoiceList(const CPLC& plc, std::int32_t filter, std::int32_t typeNo) {
    const std::vector<CRegUnitConfig>& units = plc.GetUnits();
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (!PassesFilter(units[i], filter)) continue;
        if (units[i].m_nTypeNo == typeNo) m_nSelection = static_cast<int>(m_names.size());
        m_names.push_back(units[i].m_strName);
        m_unitIndices.push_back(i);
    }
    if (m_nSelection == kNoSelection && !m_names.empty()) m_nSelection = 0;
}

}  // namespace tavelo
