#include <gtest/gtest.h>

#include <string>

#include "model/FileBytes.h"
#include "plc/PlcTypeFile.h"
#include "support/CliRun.h"
#include "support/PlcSamples.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::CliRun;
using test::MakePlc;
using test::MakeUnit;
using test::RunCommand;

// Two types: one with a CJK unit name and a name with a trailing blank, one without units
// and with serial values outside the known tables.
std::vector<CPLC> SampleTypes() {
    CPLC omron =
        MakePlc(u"欧姆龙",
                {MakeUnit(u"DM", 0, 0, 6655, 15, 1, 2, 2), MakeUnit(u"IR ", 2, 0, 243, 15, 2, 2, 1),
                 MakeUnit(u"数据", 1, 0, 0, 511, 3, 1, 1)},
                CSerialComParam(0, 3, 0, 1, 2));
    omron.m_bUseStation = 1;
    omron.m_nStationMax = 31;
    CPLC odd = MakePlc(u"Odd \"one\"", {}, CSerialComParam(1, 9, 1, 0, 7));
    odd.m_bAdvanced = 1;
    return {omron, odd};
}

class PlcTypesCommand : public testing::Test {
protected:
    void SetUp() override { WriteFileAtomically(m_file, CPlcTypeFile::Write(SampleTypes())); }

    test::CTempDir m_dir;
    const std::filesystem::path m_file = m_dir / "PlcTypes.DAT";
};

TEST_F(PlcTypesCommand, ListsTypesWithUnitsAlignedByDisplayWidth) {
    const CliRun run = RunCommand({"plctypes", m_file.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const std::string expected =
        m_file.string() +
        ": 2 PLC types\n"
        "\n"
        "[0] 欧姆龙\n"
        "    station number: used, range 0..31 (as stored); advanced functions: no\n"
        "    serial defaults: COM1, 9600, 7 data bits, 2 stop bits, even\n"
        "    unit    max count  addressing  byte low  byte high  bit low  bit high  type  bytes\n"
        "    \"DM\"            2  byte               0       6655        0        15     1      2\n"
        "    \"IR \"           1  byte+bit           0        243        0        15     2      2\n"
        "    \"数据\"          1  bit                0          0        0       511     3      1\n"
        "\n"
        "[1] Odd \"one\"\n"
        "    station number: not used, range 0..0 (as stored); advanced functions: yes\n"
        "    serial defaults: COM2, baud index 9 (unknown), 8 data bits, 1 stop bit, parity 7 "
        "(unknown)\n"
        "    no address units\n";
    EXPECT_EQ(run.out, expected);
}

TEST_F(PlcTypesCommand, JsonCarriesEveryFieldWithStableKeys) {
    const CliRun run = RunCommand({"plctypes", "--json", m_file.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const std::string unit =
        "        {\n"
        "          \"name\": \"IR \",\n"
        "          \"maxCount\": 1,\n"
        "          \"addressingKind\": 2,\n"
        "          \"addressing\": \"byte+bit\",\n"
        "          \"byteLow\": 0,\n"
        "          \"byteHigh\": 243,\n"
        "          \"bitLow\": 0,\n"
        "          \"bitHigh\": 15,\n"
        "          \"typeNo\": 2,\n"
        "          \"unitBytes\": 2\n"
        "        },\n";
    EXPECT_NE(run.out.find(unit), std::string::npos) << run.out;
    const std::string oddType =
        "    {\n"
        "      \"index\": 1,\n"
        "      \"name\": \"Odd \\\"one\\\"\",\n"
        "      \"useStation\": 0,\n"
        "      \"advanced\": 1,\n"
        "      \"stationMin\": 0,\n"
        "      \"stationMax\": 0,\n"
        "      \"serial\": {\n"
        "        \"portIndex\": 1,\n"
        "        \"port\": \"COM2\",\n"
        "        \"baudIndex\": 9,\n"
        "        \"baud\": null,\n"
        "        \"dataBitsIndex\": 1,\n"
        "        \"dataBits\": 8,\n"
        "        \"stopBitsIndex\": 0,\n"
        "        \"stopBits\": 1,\n"
        "        \"parityIndex\": 7,\n"
        "        \"parity\": null\n"
        "      },\n"
        "      \"units\": []\n"
        "    }\n"
        "  ]\n"
        "}\n";
    ASSERT_GE(run.out.size(), oddType.size());
    EXPECT_EQ(run.out.substr(run.out.size() - oddType.size()), oddType);
    EXPECT_EQ(run.out.rfind("{\n  \"file\": \"", 0), 0u);
    EXPECT_NE(run.out.find("\"name\": \"欧姆龙\""), std::string::npos);
}

TEST_F(PlcTypesCommand, MissingOrDamagedFilesFailNamingTheFileAndWrongArgumentsAreRefused) {
    const std::string missing = (m_dir / "absent.DAT").string();
    const CliRun absent = RunCommand({"plctypes", missing});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_EQ(absent.out, "");
    EXPECT_NE(absent.err.find("cannot open " + missing), std::string::npos) << absent.err;

    std::vector<std::uint8_t> bytes = ReadFileBytes(m_file);
    bytes.resize(bytes.size() - 3);
    WriteFileAtomically(m_file, bytes);
    for (const CliRun& run : {RunCommand({"plctypes", m_file.string()}),
                              RunCommand({"plctypes", m_file.string(), "--json"})}) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("damaged PLC type file " + m_file.string()), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("at byte offset"), std::string::npos) << run.err;
    }

    EXPECT_EQ(RunCommand({"plctypes", "--yaml"}).exitCode, 2);
    const CliRun twoFiles = RunCommand({"plctypes", m_file.string(), m_file.string()});
    EXPECT_EQ(twoFiles.exitCode, 2);
    EXPECT_NE(twoFiles.err.find("not expected: " + m_file.string()), std::string::npos)
        << twoFiles.err;
}

TEST(PlcTypesCommandDefault, ListsTheDeliveredFileBesideTheProgramAndHelpMentionsIt) {
    const CliRun run = RunCommand({"plctypes"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("[16] Modbus(RTU)\n"), std::string::npos);
    EXPECT_NE(run.out.find("    \"PV \""), std::string::npos);
    const std::string help = RunCommand({"plctypes", "--help"}).out;
    EXPECT_NE(help.find("Usage: tavelo-cli plctypes [OPTIONS] [FILE]"), std::string::npos) << help;
    EXPECT_NE(help.find("--json"), std::string::npos) << help;
}

}  // namespace
}  // namespace tavelo
