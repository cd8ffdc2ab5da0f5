#include <gtest/gtest.h>

#include <string>

#include "support/PlcSamples.h"
#include "tools/common/SourceError.h"
#include "tools/plcgen/PlcTypeSource.h"

namespace tavelo {
namespace {

using test::MakePlc;
using test::MakeUnit;

const std::string kPlc = "plc \"P\" station=yes advanced=no station-range=0..255\n";
const std::string kSerial = "serial port=COM1 baud=9600 data=8 stop=1 parity=none\n";
const std::string kUnit = "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=1 bytes=2\n";

// A valid type whose one unit line has `from` replaced by `to`.
std::string WithUnit(const std::string& from, const std::string& to) {
    std::string unit = kUnit;
    unit.replace(unit.find(from), from.size(), to);
    return kPlc + kSerial + unit;
}

// Windows line ends are read too; unit names and type numbers may repeat in another type.
TEST(PlcTypeSource, ReadsEveryFieldOfABlock) {
    const char* source =
        "# a comment line\n"
        "\n"
        "plc \"欧姆龙(CPM)\" station=yes advanced=no station-range=0..31  # trailing comment\n"
        "serial port=COM2 baud=19200 data=7 stop=2 parity=even\r\n"
        "unit \"DM\"  count=2 kind=byte     byte=0..6655 bit=0..15 type=1 bytes=2\n"
        "unit \"IR \" count=1 kind=byte+bit byte=0..243  bit=0..15 type=8 bytes=2\n"
        "unit \"TC\"  count=1 kind=bit      byte=0..0    bit=0..511 type=13 bytes=1\n"
        "plc \"Bare\" station=no advanced=yes station-range=0..0\n"
        "serial port=COM1 baud=1200 data=8 stop=1 parity=none\n"
        "unit \"DM\"  count=2 kind=byte     byte=0..6655 bit=0..15 type=1 bytes=2\n";
    // The trailing blank of "IR " is part of the name.
    const CRegUnitConfig dm = MakeUnit(u"DM", CRegUnitConfig::kByte, 0, 6655, 15, 1, 2, 2);
    CPLC omron = MakePlc(u"欧姆龙(CPM)",
                         {dm, MakeUnit(u"IR ", CRegUnitConfig::kByteAndBit, 0, 243, 15, 8, 2, 1),
                          MakeUnit(u"TC", CRegUnitConfig::kBit, 0, 0, 511, 13, 1, 1)},
                         CSerialComParam(1, 4, 0, 1, 2));
    omron.m_bUseStation = 1;
    omron.m_nStationMax = 31;
    CPLC bare = MakePlc(u"Bare", {dm}, CSerialComParam(0, 0, 1, 0, 0));
    bare.m_bAdvanced = 1;
    EXPECT_EQ(CPlcTypeSource::Parse(source, "good.txt"), (std::vector<CPLC>{omron, bare}));
    EXPECT_TRUE(CPlcTypeSource::Parse("# nothing but comments\n\n", "empty.txt").empty());
}

TEST(PlcTypeSource, ErrorsNameTheFileTheLineAndTheFault) {
    const struct {
        std::string text;
        int line;
        const char* message;
    } cases[] = {
        {WithUnit("type=1 ", ""), 3, "missing field 'type'"},
        {WithUnit("count=1", "count=1x"), 3, "bad number '1x' for 'count'"},
        {WithUnit("byte=0", "byte=-1"), 3, "bad number '-1' for 'byte'"},
        {WithUnit("0..9", "0..2147483648"), 3, "bad number '2147483648' for 'byte'"},
        {kPlc + "serial port=COM1 baud=9600 data=8 stop=1 parity=none flow=none\n", 2,
         "unknown key 'flow' in a 'serial' line"},
        {kPlc + kSerial + "unit \"D count=1\n", 3, "unterminated quote"},
        {kPlc + kSerial + "register \"D\"\n", 3,
         "unknown keyword 'register' (expected plc, serial or unit)"},
        {kPlc + "\n" + kPlc, 1, "PLC type \"P\" has no 'serial' line"},
        {kUnit, 1, "'unit' before the first 'plc' line"},
        {WithUnit("0..9", "9..0"), 3, "range '9..0' for 'byte' runs backwards"},
        {WithUnit("0..9", "9"), 3, "bad range '9' for 'byte' (expected low..high)"},
        {"plc \"P\" station=yes advanced=no station-range=0..9\n"
         "serial port=COM3 baud=9600 data=8 stop=1 parity=none\n",
         2, "'COM3' is not a value of 'port' (one of COM1, COM2)"},
        {kPlc + kSerial + "unit \"D\" count\n", 3, "'count' is not a key=value field"},
        {"plc \"P\" station=yes station=no\n", 1, "field 'station' given twice"},
        {"plc station=yes advanced=no station-range=0..9\n", 1, "'plc' needs a quoted name"},
        {"plc \"\" station=yes advanced=no station-range=0..9\n", 1, "the name is empty"},
        {"plc station=yes \"P\"\n", 1, "a quoted name may only follow the keyword"},
        {"plc \"P\" station=yes advanced=no station-range=0..256\n", 1,
         "station numbers end at 255"},
        {kPlc + kSerial + kSerial, 3, "a second 'serial' line for this PLC type"},
        {kPlc + kSerial + kPlc, 3, "PLC type \"P\" is listed twice"},
        {WithUnit("count=1", "count=0"), 3, "'count' must be at least 1"},
        {WithUnit("bytes=2", "bytes=3"), 3, "'bytes' must be 1, 2 or 4"},
        {WithUnit("type=1", "type=256"), 3, "type numbers end at 255"},
        {WithUnit("D", "R") + kUnit, 4, "type number 1 is used twice in this PLC type"},
        {WithUnit("type=1", "type=2") + kUnit, 4, "unit \"D\" is listed twice in this PLC type"},
        {"plc \"\xff\" station=yes advanced=no station-range=0..9\n", 1,
         "the name is not valid UTF-8"},
    };
    for (const auto& bad : cases) {
        try {
            CPlcTypeSource::Parse(bad.text, "bad.txt");
            ADD_FAILURE() << "accepted a source with the fault " << bad.message;
        } catch (const CSourceError& error) {
            EXPECT_EQ(error.GetLine(), bad.line) << bad.message;
            EXPECT_EQ(error.what(), "bad.txt:" + std::to_string(bad.line) + ": " + bad.message);
        }
    }
}

}  // namespace
}  // namespace tavelo
