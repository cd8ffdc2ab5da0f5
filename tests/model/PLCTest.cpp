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

TEST(PlcStationRange, OnlyTheExactModbusRtuNameGives247AndTheFileLimitsAreOverwritten) {
    const struct {
        const char16_t* name;
        std::int32_t max;
    } cases[] = {{u"Modbus(RTU)", 247},
                 {u"modbus(rtu)", 255},
                 {u"Modbus(RTU) ", 255},
                 {u"FX2N", 255},
                 {u"", 255}};
    for (const auto& c : cases) {
        CPLC plc = MakePlc(c.name);
        plc.m_nStationMin = 5;
        plc.m_nStationMax = 9;
        std::int32_t min = -1;
        std::int32_t max = -1;
        plc.QueryStationRange(min, max);
        EXPECT_EQ(std::pair(min, max), std::pair(0, c.max));
        EXPECT_EQ(std::pair(plc.m_nStationMin, plc.m_nStationMax), std::pair(0, c.max));
    }
}

TEST(PlcUnits, UnitsSurviveFreeingTheCopySourceAndSettingTheirOwnList) {
    CPLC copy;
    {
        auto source = std::make_unique<CPLC>(SampleType());
        copy.CopyFrom(*source);
        source->FreeUnits();
    }
    EXPECT_EQ(copy, SampleType());
    copy.SetUnits(copy.GetUnits());
    EXPECT_EQ(copy, SampleType());
    ASSERT_NE(copy.FindUnit(u"M"), nullptr);
    EXPECT_EQ(copy.FindUnit(u"M")->m_nTypeNo, 2);
    EXPECT_EQ(copy.FindUnit(u"X"), nullptr);
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
