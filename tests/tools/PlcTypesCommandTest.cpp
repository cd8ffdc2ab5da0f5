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

// A whole expected output from tests/data, with {file} standing for the listed file.
std::string ExpectedOutput(const std::string& name, const std::string& file) {
    const auto bytes =
        ReadFileBytes(std::filesystem::path(TAVELO_SOURCE_DIR) / "tests/data/cli-plctypes" / name);
    std::string text(bytes.begin(), bytes.end());
    for (auto at = text.find("{file}"); at != std::string::npos; at = text.find("{file}", at))
        text.replace(at, 6, file);
    return text;
}

class PlcTypesCommand : public testing::Test {
protected:
    void SetUp() override { WriteFileAtomically(m_file, CPlcTypeFile::Write(SampleTypes())); }

    test::CTempDir m_dir;
    const std::filesystem::path m_file = m_dir / "PlcTypes.DAT";
};

TEST_F(PlcTypesCommand, ListsEveryFieldAlignedByDisplayWidthOrAsJson) {
    const std::pair<cli::Arguments, const char*> cases[] = {
        {{"plctypes", m_file.string()}, "listing.txt"},
        {{"plctypes", "--json", m_file.string()}, "listing.json"},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun run = RunCommand(args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, ExpectedOutput(expected, m_file.string()));
    }
}

TEST_F(PlcTypesCommand, MissingOrDamagedFilesFailNamingTheFile) {
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
}

TEST(PlcTypesCommandDefault, ListsTheDeliveredFileBesideTheProgram) {
    const CliRun run = RunCommand({"plctypes"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("[16] Modbus(RTU)\n"), std::string::npos);
    EXPECT_NE(run.out.find("    \"PV \""), std::string::npos);
}

}  // namespace
}  // namespace tavelo
