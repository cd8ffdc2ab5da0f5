#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/PLC.h"
#include "model/RegisterUnit.h"
#include "support/ByteHelpers.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::MakePlc;
using test::MakeUnit;

CRegisterUnit SampleAddress(std::int32_t station) {
    CRegisterUnit record;
    record.m_nUnitType = 3;
    record.m_nStation = station;
    record.m_nReserved = 6;
    record.m_nCount = 2;
    record.m_nAddress = 100;
    record.m_nBit = 7;
    return record;
}

TEST(RegisterUnitLayout, OnlyAZorxFileStoresTheStationAndOnlyAZorFileResetsIt) {
    const Bytes withStation =
        B({3, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 0, 0, 0, 7, 0, 0, 0});
    const Bytes without = B({3, 0, 0, 0, 6, 0, 0, 0, 2, 0, 0, 0, 100, 0, 0, 0, 7, 0, 0, 0});
    const struct {
        const char* fileName;
        const Bytes& bytes;
        std::int32_t stationRead;  // read into a record whose station is 9
    } cases[] = {
        {"/projects/line.ZORX", withStation, 5},
        {"old.ZOR", without, 1},
        {"mixed.zorx", without, 9},  // small letters: neither stored nor changed
        {"a.ZORX.bak", without, 9},  // only the text after the last dot counts
        {"dir.ZORX/noextension", without, 9},
    };
    CClassRegistry registry;
    for (const auto& c : cases) {
        CRegisterUnit record = SampleAddress(5);
        CArchive out(c.fileName);
        record.Serialize(out);
        ASSERT_EQ(out.GetBytes(), c.bytes) << c.fileName;
        CArchive in(c.bytes, c.fileName, registry);
        record.m_nStation = 9;
        record.Serialize(in);
        EXPECT_TRUE(in.IsAtEnd()) << c.fileName;
        EXPECT_EQ(record, SampleAddress(c.stationRead)) << c.fileName;
    }
}

TEST(LinearAddress, DependsOnTheUnitsAddressingKind) {
    const std::pair<CRegUnitConfig, std::int32_t> cases[] = {
        {MakeUnit(u"D", CRegUnitConfig::kByte, 1), 12},
        {MakeUnit(u"M", CRegUnitConfig::kBit, 2), 3},
        {MakeUnit(u"W", CRegUnitConfig::kByteAndBit, 3, 15), 3 + 12 * 16},
        {MakeUnit(u"X", CRegUnitConfig::kByteAndBit, 4, 7), 3 + 12 * 8},
    };
    for (const auto& [unit, linear] : cases) EXPECT_EQ(LinearAddress(unit, 12, 3), linear);
}

TEST(PlcStationRange, OnlyTheExactModbusRtuNameGives247AndTheFileLimitsAreOverwritten) {
    const std::pair<const char16_t*, std::int32_t> cases[] = {
        {u"Modbus(RTU)", 247}, {u"modbus(rtu)", 255}, {u"Modbus(RTU) ", 255}, {u"", 255}};
    for (const auto& [name, expectedMax] : cases) {
        CPLC plc = MakePlc(name);
        plc.m_nStationMin = 5;
        plc.m_nStationMax = 9;
        std::int32_t min = -1;
        std::int32_t max = -1;
        plc.QueryStationRange(min, max);
        EXPECT_EQ(std::pair(min, max), std::pair(0, expectedMax));
        EXPECT_EQ(std::pair(plc.m_nStationMin, plc.m_nStationMax), std::pair(0, expectedMax));
    }
}

TEST(PlcUnits, UnitsSurviveFreeingTheCopySourceAndSettingTheirOwnList) {
    const CPLC sample = MakePlc(u"FX2N", {MakeUnit(u"D", 0, 1), MakeUnit(u"M", 1, 2)});
    CPLC copy;
    {
        auto source = std::make_unique<CPLC>(sample);
        copy.CopyFrom(*source);
        source->FreeUnits();
    }
    copy.SetUnits(copy.GetUnits());
    EXPECT_EQ(copy, sample);
    ASSERT_NE(copy.FindUnit(u"M"), nullptr);
    EXPECT_EQ(copy.FindUnit(u"M")->m_nTypeNo, 2);
    EXPECT_EQ(copy.FindUnit(u"X"), nullptr);
}

}  // namespace
}  // namespace tavelo
