#include "RegisterUnit.h"

#include <algorithm>
#include <cstdint>

#include "Archive.h"
#include "FieldSink.h"
#include "RegUnitConfig.h"

namespace tavelo {

void CRegisterUnit::Serialize(CArchive& ar) {
    const std::string extension = ar.GetFileExtension();
    ar.Int32(m_nUnitType);
    if (extension == kStationExtension)
        ar.Int32(m_nStation);
    else if (ar.IsLoading() && extension == kOlderExtension)
        m_nStation = 1;
    ar.Int32(m_nReserved);
    ar.Int32(m_nCount);
    ar.Int32(m_nAddress);
    ar.Int32(m_nBit);
}

void CRegisterUnit::DescribeFields(CFieldSink& sink, std::string_view name) const {
    sink.BeginGroup(name);
    sink.Int("unitType", m_nUnitType);
    sink.Int("station", m_nStation);
    sink.Int("reserved", m_nReserved);
    sink.Int("count", m_nCount);
    sink.Int("address", m_nAddress);
    sink.Int("bit", m_nBit);
    sink.EndGroup();
}

std::int32_t LinearAddress(const CRegUnitConfig& unit, std::int32_t address, std::int32_t bit) {
    switch (unit.m_nAddressing) {
        case CRegUnitConfig::kBit:
            return bit;
        case CRegUnitConfig::kByteAndBit: {
            const std::int64_t linear =
                std::int64_t{bit} + std::int64_t{address} * unit.GetBitsPerAddress();
            return static_cast<std::int32_t>(std::clamp<std::int64_t>(linear, INT32_MIN, INT32_MAX));
        }
        default:
            return address;
    }
}

}  // namespace tavelo
