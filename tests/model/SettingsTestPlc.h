#pragma once
// A small PLC type for the settings and alarm list tests: word units for the control
// registers, a bit unit and two byte-and-bit units of 8 and 16 bits per address.

#include <cstdint>
#include <string>

#include "model/PLC.h"
#include "model/RegUnitConfig.h"
#include "support/PlcSamples.h"

namespace tavelo::test {

// Unit order: D, DM, X, VW, M, W, C. The word units are listed in reverse: VW, DM, D; the alarm
// units in reverse: W, M, X.
inline CPLC MakeSettingsTestPlc(std::u16string name = u"TestPLC") {
    return MakePlc(std::move(name),
                   {
                       MakeUnit(u"D", CRegUnitConfig::kByte, 0, 7999, 0, 1, 2),
                       MakeUnit(u"DM", CRegUnitConfig::kByte, 10, 9999, 0, 3, 2),
                       MakeUnit(u"X", CRegUnitConfig::kBit, 0, 0, 63, 7, 1),
                       MakeUnit(u"VW", CRegUnitConfig::kByte, 0, 1000, 0, 5, 2),
                       MakeUnit(u"M", CRegUnitConfig::kByteAndBit, 0, 99, 7, 8, 1),
                       MakeUnit(u"W", CRegUnitConfig::kByteAndBit, 0, 99, 15, 9, 2),
                       MakeUnit(u"C", CRegUnitConfig::kByte, 0, 255, 0, 11, 4),
                   });
}

}  // namespace tavelo::test
