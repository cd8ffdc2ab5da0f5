#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/PlcSamples.h"
#include "support/TestData.h"
#include "tools/common/SourceError.h"
#include "tools/plcgen/PlcTypeSource.h"

namespace tavelo {
namespace {

using test::MakePlc;
using test::MakeUnit;

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

// The cases are in tests/data/plc-source/refused.txt.
TEST(PlcTypeSource, ErrorsNameTheFileTheLineAndTheFault) {
    const test::Bytes bytes = test::TestDataBytes("plc-source/refused.txt");
    std::istringstream file(std::string(bytes.begin(), bytes.end()));
    struct CRefused {
        int line;
        std::string error, source;
    };
    std::vector<CRefused> cases;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("== "))
            cases.push_back({std::stoi(line.substr(3)), "bad.txt:" + line.substr(3), ""});
        else if (!cases.empty())
            cases.back().source += line + "\n";
    }
    ASSERT_FALSE(cases.empty());
    for (const CRefused& refused : cases) {
        try {
            CPlcTypeSource::Parse(refused.source, "bad.txt");
            ADD_FAILURE() << "accepted a source with the fault " << refused.error;
        } catch (const CSourceError& error) {
            EXPECT_EQ(error.GetLine(), refused.line) << refused.error;
            EXPECT_EQ(error.what(), refused.error);
        }
    }
}

}  // namespace
}  // namespace tavelo
