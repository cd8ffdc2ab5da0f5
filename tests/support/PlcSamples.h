#pragma once
// PLC types and address units for tests of the PLC records, the PLC type file and the forms.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/PLC.h"
#include "model/RegUnitConfig.h"

namespace tavelo::test {

inline CRegUnitConfig MakeUnit(std::u16string name, std::int32_t addressing, std::int32_t typeNo,
                               std::int32_t bitHigh = 15) {
    CRegUnitConfig unit;
    unit.m_strName = std::move(name);
    unit.m_nMaxCount = 8;
    unit.m_nAddressing = addressing;
    unit.m_nByteLow = 0;
    unit.m_nByteHigh = 9999;
    unit.m_nBitLow = 0;
    unit.m_nBitHigh = bitHigh;
    unit.m_nTypeNo = typeNo;
    unit.m_nUnitBytes = 2;
    return unit;
}

// A unit with every limit given.
inline CRegUnitConfig MakeUnit(std::u16string name, std::int32_t addressing, std::int32_t byteLow,
                               std::int32_t byteHigh, std::int32_t bitHigh, std::int32_t typeNo,
                               std::int32_t unitBytes, std::int32_t maxCount = 8) {
    CRegUnitConfig unit = MakeUnit(std::move(name), addressing, typeNo, bitHigh);
    unit.m_nMaxCount = maxCount;
    unit.m_nByteLow = byteLow;
    unit.m_nByteHigh = byteHigh;
    unit.m_nUnitBytes = unitBytes;
    return unit;
}

inline CPLC MakePlc(std::u16string name, std::vector<CRegUnitConfig> units = {},
                    CSerialComParam serial = {}) {
    CPLC plc;
    plc.SetName(std::move(name));
    plc.SetUnits(units);
    plc.SetSerial(serial);
    return plc;
}

// A PLC with a byte unit "B" (addresses 0..99) and a word unit "D" (0..9999), as the register
// and graph panels list them.
inline CPLC MakeByteAndWordPlc() {
    return MakePlc(u"PLC", {MakeUnit(u"B", CRegUnitConfig::kByte, 0, 99, 7, 2, 1, 1),
                            MakeUnit(u"D", CRegUnitConfig::kByte, 0, 9999, 15, 1, 2, 8)});
}

}  // namespace tavelo::test
