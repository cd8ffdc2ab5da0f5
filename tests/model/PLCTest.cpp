#include <gtest/gtest.h>

#include <memory>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/PLC.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::MakePlc;
using test::MakeUnit;

CPLC SampleType() {
    CPLC plc = MakePlc(u"FX2N", {MakeUnit(u"D", 0, 1), MakeUnit(u"M", 1, 2)},
                       CSerialComParam(1, 2, 0, 1, 2));
    plc.m_bUseStation = 1;
    plc.m_bAdvanced = 1;
    plc.m_nStationMin = 1;
    plc.m_nStationMax = 31;
    return plc;
}

TEST(PlcDefaults, NewRecordIsEmptyWithNineSixHundredEightNoneOne) {
    const CPLC plc;
    EXPECT_TRUE(plc.GetName().empty());
    EXPECT_TRUE(plc.GetUnits().empty());
    EXPECT_EQ(plc.GetSerial(), CSerialComParam(0, 3, 1, 0, 0));
    EXPECT_EQ(plc.m_bUseStation, 0);
    EXPECT_EQ(plc.m_bAdvanced, 0);
    EXPECT_EQ(plc.m_nStationMin, 0);
    EXPECT_EQ(plc.m_nStationMax, 0);
}

TEST(PlcStationRange, ExactModbusRtuNameGivesZeroTo247AndOverwritesFileLimits) {
    CPLC plc = MakePlc(u"Modbus(RTU)");
    plc.m_nStationMin = 5;
    plc.m_nStationMax = 9;
    std::int32_t min = -1;
    std::int32_t max = -1;
    plc.QueryStationRange(min, max);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 247);
    EXPECT_EQ(plc.m_nStationMin, 0);
    EXPECT_EQ(plc.m_nStationMax, 247);
}

TEST(PlcStationRange, AnyOtherSpellingGivesZeroTo255) {
    for (const char16_t* name : {u"modbus(rtu)", u"Modbus(RTU) ", u"FX2N", u""}) {
        CPLC plc = MakePlc(name);
        std::int32_t min = -1;
        std::int32_t max = -1;
        plc.QueryStationRange(min, max);
        EXPECT_EQ(min, 0);
        EXPECT_EQ(max, 255);
    }
}

TEST(PlcUnits, SetUnitsWithItsOwnListChangesNothing) {
    CPLC plc = SampleType();
    plc.SetUnits(plc.GetUnits());
    EXPECT_EQ(plc, SampleType());
}

TEST(PlcCopy, CopyHoldsEqualUnitsThatOutliveTheSource) {
    CPLC copy;
    {
        auto source = std::make_unique<CPLC>(SampleType());
        copy.CopyFrom(*source);
        source->FreeUnits();
    }
    EXPECT_EQ(copy, SampleType());
    ASSERT_EQ(copy.GetUnits().size(), 2u);
    EXPECT_EQ(copy.GetUnits()[1].m_strName, u"M");
}

TEST(PlcCopy, FindUnitLooksUpByName) {
    const CPLC plc = SampleType();
    ASSERT_NE(plc.FindUnit(u"M"), nullptr);
    EXPECT_EQ(plc.FindUnit(u"M")->m_nTypeNo, 2);
    EXPECT_EQ(plc.FindUnit(u"X"), nullptr);
}

TEST(PlcBody, ReadingReplacesTheUnitsAlreadyHeld) {
    CArchive out("x.ZORX");
    CPLC written = SampleType();
    written.Serialize(out);

    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive in(out.GetBytes(), "x.ZORX", registry);
    CPLC read = MakePlc(u"old", {MakeUnit(u"old", 0, 9)});
    read.Serialize(in);
    EXPECT_TRUE(in.IsAtEnd());
    EXPECT_EQ(read, SampleType());
}

}  // namespace
}  // namespace tavelo
