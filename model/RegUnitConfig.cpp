#include "RegUnitConfig.h"

#include "Archive.h"

namespace tavelo {

void CRegUnitConfig::Serialize(CArchive& ar) {
    ar.String(m_strName);
    ar.Int32(m_nMaxCount);
    ar.Int32(m_nAddressing);
    ar.Int32(m_nByteLow);
    ar.Int32(m_nByteHigh);
    ar.Int32(m_nBitLow);
    ar.Int32(m_nBitHigh);
    ar.Int32(m_nTypeNo);
    ar.Int32(m_nUnitBytes);
}

}  // namespace tavelo
