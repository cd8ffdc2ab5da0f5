#include "RegisterUnit.h"

#include "Archive.h"
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

std::int32_t LinearAddress(const CRegUnitConfig& unit, std::int32_t address, std::int32_t bit) {
    switch (unit.m_nAddressing) {
        case CRegUnitConfig::kBit:
            return bit;
        case CRegUnitConfig::kByteAndBit:
            return bit + address * unit.GetBitsPerAddress();
        default:
            return address;
    }
}

}  // namespace tavelo
