#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "tools/plcgen/PlcTypeSource.h"
#include "tools/plcgen/SourceError.h"

namespace tavelo {
namespace {

constexpr const char* kGoodBlock =
    "# a comment line\n"
    "\n"
    "plc \"欧姆龙(CPM)\" station=yes advanced=no station-range=0..31  # trailing comment\n"
    "serial port=COM2 baud=19200 data=7 stop=2 parity=even\n"
    "unit \"DM\"  count=2 kind=byte     byte=0..6655 bit=0..15 type=1 bytes=2\n"
    "unit \"IR \" count=1 kind=byte+bit byte=0..243  bit=0..15 type=8 bytes=2\n"
    "unit \"TC\"  count=1 kind=bit      byte=0..0    bit=0..511 type=13 bytes=1\n"
    "plc \"Bare\" station=no advanced=yes station-range=0..0\n"
    "serial port=COM1 baud=1200 data=8 stop=1 parity=none\n";

TEST(PlcTypeSource, ReadsEveryFieldOfABlock) {
    const std::vector<CPLC> types = CPlcTypeSource::Parse(kGoodBlock, "good.txt");
    ASSERT_EQ(types.size(), 2u);
    const CPLC& omron = types[0];
    EXPECT_EQ(omron.m_strName, u"欧姆龙(CPM)");
    EXPECT_EQ(omron.m_bUseStation, 1);
    EXPECT_EQ(omron.m_bAdvanced, 0);
    EXPECT_EQ(omron.m_nStationMin, 0);
    EXPECT_EQ(omron.m_nStationMax, 31);
    EXPECT_EQ(omron.m_serial, CSerialComParam(1, 4, 0, 1, 2));
    ASSERT_EQ(omron.m_units.size(), 3u);

    const CRegUnitConfig& ir = omron.m_units[1];
    EXPECT_EQ(ir.m_strName, u"IR ");  // the trailing blank is part of the name
    EXPECT_EQ(ir.m_nMaxCount, 1);
    EXPECT_EQ(ir.m_nAddressing, CRegUnitConfig::kByteAndBit);
    EXPECT_EQ(ir.m_nByteLow, 0);
    EXPECT_EQ(ir.m_nByteHigh, 243);
    EXPECT_EQ(ir.m_nBitLow, 0);
    EXPECT_EQ(ir.m_nBitHigh, 15);
    EXPECT_EQ(ir.m_nTypeNo, 8);
    EXPECT_EQ(ir.m_nUnitBytes, 2);
    EXPECT_EQ(omron.m_units[0].m_nAddressing, CRegUnitConfig::kByte);
    EXPECT_EQ(omron.m_units[2].m_nAddressing, CRegUnitConfig::kBit);
    EXPECT_EQ(omron.m_units[2].m_nBitHigh, 511);

    const CPLC& bare = types[1];
    EXPECT_EQ(bare.m_bUseStation, 0);
    EXPECT_EQ(bare.m_bAdvanced, 1);
    EXPECT_TRUE(bare.m_units.empty());
    EXPECT_EQ(bare.m_serial, CSerialComParam(0, 0, 1, 0, 0));
}

TEST(PlcTypeSource, AcceptsWindowsLineEndsAndAFileWithoutTypes) {
    const auto types = CPlcTypeSource::Parse(
        "plc \"A\" station=no advanced=no station-range=0..0\r\n"
        "serial port=COM1 baud=9600 data=8 stop=1 parity=none\r\n",
        "crlf.txt");
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].m_strName, u"A");
    EXPECT_TRUE(CPlcTypeSource::Parse("# nothing but comments\n\n", "empty.txt").empty());
}

struct CBadSource {
    const char* m_pWhat;
    std::string m_strText;
    int m_nLine;
    const char* m_pMessage;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CBadSource& bad, std::ostream* out) {
    *out << bad.m_pWhat;
}

const std::string kPlc = "plc \"P\" station=yes advanced=no station-range=0..255\n";
const std::string kSerial = "serial port=COM1 baud=9600 data=8 stop=1 parity=none\n";

// "a missing field" becomes "AMissingField", a name GoogleTest accepts.
std::string TestName(const char* what) {
    std::string name;
    bool upper = true;
    for (; *what; ++what) {
        const auto c = static_cast<unsigned char>(*what);
        if (std::isalnum(c)) name += static_cast<char>(upper ? std::toupper(c) : c);
        upper = !std::isalnum(c);
    }
    return name;
}

class PlcTypeSourceErrors : public testing::TestWithParam<CBadSource> {};

TEST_P(PlcTypeSourceErrors, NameTheFileTheLineAndTheFault) {
    const CBadSource& bad = GetParam();
    try {
        CPlcTypeSource::Parse(bad.m_strText, "bad.txt");
        FAIL() << "accepted a source with " << bad.m_pWhat;
    } catch (const CSourceError& error) {
        EXPECT_EQ(error.GetLine(), bad.m_nLine);
        const std::string expected =
            "bad.txt:" + std::to_string(bad.m_nLine) + ": " + bad.m_pMessage;
        EXPECT_EQ(error.what(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFault, PlcTypeSourceErrors,
    testing::Values(
        CBadSource{"a missing field",
                   kPlc + kSerial + "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 bytes=2\n", 3,
                   "missing field 'type'"},
        CBadSource{"a bad number",
                   kPlc + kSerial +
                       "unit \"D\" count=1x kind=byte byte=0..9 bit=0..15 type=1 "
                       "bytes=2\n",
                   3, "bad number '1x' for 'count'"},
        CBadSource{"a negative number",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=-1..9 bit=0..15 type=1 "
                       "bytes=2\n",
                   3, "bad number '-1' for 'byte'"},
        CBadSource{"a number beyond int32",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=0..2147483648 bit=0..15 "
                       "type=1 bytes=2\n",
                   3, "bad number '2147483648' for 'byte'"},
        CBadSource{"an unknown key",
                   kPlc + "serial port=COM1 baud=9600 data=8 stop=1 parity=none "
                          "flow=none\n",
                   2, "unknown key 'flow' in a 'serial' line"},
        CBadSource{"an unterminated quote", kPlc + kSerial + "unit \"D count=1\n", 3,
                   "unterminated quote"},
        CBadSource{"an unknown keyword", kPlc + kSerial + "register \"D\"\n", 3,
                   "unknown keyword 'register' (expected plc, serial or unit)"},
        CBadSource{"a type without serial line", kPlc + "\n" + kPlc, 1,
                   "PLC type \"P\" has no 'serial' line"},
        CBadSource{"a unit before any type",
                   "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=1 bytes=2\n", 1,
                   "'unit' before the first 'plc' line"},
        CBadSource{"a backwards range",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=9..0 bit=0..15 type=1 "
                       "bytes=2\n",
                   3, "range '9..0' for 'byte' runs backwards"},
        CBadSource{"a range without separator",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=9 bit=0..15 type=1 "
                       "bytes=2\n",
                   3, "bad range '9' for 'byte' (expected low..high)"},
        CBadSource{"an unknown choice",
                   "plc \"P\" station=yes advanced=no station-range=0..9\n"
                   "serial port=COM3 baud=9600 data=8 stop=1 parity=none\n",
                   2, "'COM3' is not a value of 'port' (one of COM1, COM2)"},
        CBadSource{"a word without '='", kPlc + kSerial + "unit \"D\" count\n", 3,
                   "'count' is not a key=value field"},
        CBadSource{"a field given twice", "plc \"P\" station=yes station=no\n", 1,
                   "field 'station' given twice"},
        CBadSource{"a missing name", "plc station=yes advanced=no station-range=0..9\n", 1,
                   "'plc' needs a quoted name"},
        CBadSource{"an empty name", "plc \"\" station=yes advanced=no station-range=0..9\n", 1,
                   "the name is empty"},
        CBadSource{"a name after the fields", "plc station=yes \"P\"\n", 1,
                   "a quoted name may only follow the keyword"},
        CBadSource{"a station beyond 255",
                   "plc \"P\" station=yes advanced=no station-range=0..256\n", 1,
                   "station numbers end at 255"},
        CBadSource{"a second serial line", kPlc + kSerial + kSerial, 3,
                   "a second 'serial' line for this PLC type"},
        CBadSource{"a type listed twice", kPlc + kSerial + kPlc, 3,
                   "PLC type \"P\" is listed twice"},
        CBadSource{"a zero register count",
                   kPlc + kSerial +
                       "unit \"D\" count=0 kind=byte byte=0..9 bit=0..15 type=1 "
                       "bytes=2\n",
                   3, "'count' must be at least 1"},
        CBadSource{"an odd unit width",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=1 "
                       "bytes=3\n",
                   3, "'bytes' must be 1, 2 or 4"},
        CBadSource{"a type number beyond a byte",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=256 "
                       "bytes=2\n",
                   3, "type numbers end at 255"},
        CBadSource{"a type number used twice",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=1 bytes=2\n"
                       "unit \"R\" count=1 kind=byte byte=0..9 bit=0..15 type=1 bytes=2\n",
                   4, "type number 1 is used twice in this PLC type"},
        CBadSource{"a unit name used twice",
                   kPlc + kSerial +
                       "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=1 bytes=2\n"
                       "unit \"D\" count=1 kind=bit byte=0..0 bit=0..9 type=2 bytes=1\n",
                   4, "unit \"D\" is listed twice in this PLC type"},
        CBadSource{"a name that is not UTF-8",
                   "plc \"\xff\" station=yes advanced=no station-range=0..9\n", 1,
                   "the name is not valid UTF-8"}),
    [](const testing::TestParamInfo<CBadSource>& info) { return TestName(info.param.m_pWhat); });

TEST(PlcTypeSource, TypeNumbersAndUnitNamesMayRepeatAcrossTypes) {
    const std::string unit = "unit \"D\" count=1 kind=byte byte=0..9 bit=0..15 type=1 bytes=2\n";
    const auto types = CPlcTypeSource::Parse(
        kPlc + kSerial + unit + "plc \"Q\" station=no advanced=no station-range=0..0\n" + kSerial +
            unit,
        "two.txt");
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[1].m_units.at(0).m_nTypeNo, 1);
}

}  // namespace
}  // namespace tavelo
