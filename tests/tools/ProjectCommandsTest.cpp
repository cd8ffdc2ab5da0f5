#include <gtest/gtest.h>

#include <cstdlib>

#include "model/FileBytes.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

class ProjectCommandsTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    test::CTempDir m_dir;
};

TEST_F(ProjectCommandsTest, NewMakesTheProjectNewMakesAndInfoDescribesIt) {
    const auto made = RunCommand({"new", PathOf("demo"), "--plc", "16", "--model", "ZORB"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_NE(made.out.find("demo.ZORX: new ZORB project for PLC type 16 Modbus(RTU)"),
              std::string::npos);

    const auto info = RunCommand({"info", PathOf("demo.ZORX")});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    for (const char* expected :
         {"Panel model: ZORB (model index 1)", "PLC type: \"Modbus(RTU)\" at list index 16",
          "panel to PLC 19200 baud, 8 data bits, 1 stop bit, even parity", "Screens: 1",
          "\"画面 1\"", "initial screen 1", "Alarms: 0 texts"})
        EXPECT_NE(info.out.find(expected), std::string::npos) << expected << "\n" << info.out;
}

TEST_F(ProjectCommandsTest, NewWithoutChoicesConfirmsTheDialogAsItOpens) {
    ASSERT_EQ(RunCommand({"new", PathOf("a.ZORX")}).exitCode, 0);
    const auto dump = RunCommand({"dump", PathOf("a.ZORX")});
    EXPECT_NE(dump.out.find("\"plcListIndex\": 0"), std::string::npos);
    EXPECT_NE(dump.out.find("\"name\": \"西门子S7-200\""), std::string::npos);
    EXPECT_NE(dump.out.find("\"modelIndex\": 0"), std::string::npos);
}

// Refusals leave every file as it was: none is made, an existing one is kept.
TEST_F(ProjectCommandsTest, NewRefusesWhatTheDialogRefusesAndWritesNothing) {
    ASSERT_EQ(RunCommand({"new", PathOf("p.ZORX"), "--plc", "3"}).exitCode, 0);
    const auto before = ReadFileBytes(m_dir / "p.ZORX");
    test::CTempDir uninstalled;
    const struct {
        cli::Arguments args;
        bool installed;
        const char* message;
    } cases[] = {
        {{"new", PathOf("x.ZORX"), "--plc", "10"}, true, "不支持该协议! (AB(SLC500))"},
        {{"new", PathOf("x.ZORX"), "--plc", "999"}, true, "no PLC type at position 999"},
        {{"new", PathOf("x.ZORX")}, false, "请安装后再运行"},
        {{"new", PathOf("p.ZORX"), "--plc", "16"}, true, "add --force"},
    };
    for (const auto& c : cases) {
        if (!c.installed) setenv("TAVELO_DATA_DIR", uninstalled.Path().c_str(), 1);
        const auto run = RunCommand(c.args);
        unsetenv("TAVELO_DATA_DIR");
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_dir / "x.ZORX"));
    EXPECT_EQ(ReadFileBytes(m_dir / "p.ZORX"), before);
    EXPECT_EQ(RunCommand({"new", PathOf("p.ZORX"), "--plc", "16", "--force"}).exitCode, 0);
    EXPECT_NE(ReadFileBytes(m_dir / "p.ZORX"), before);
}

TEST_F(ProjectCommandsTest, ConvertSwitchesLayoutsAndBackToTheSameBytes) {
    ASSERT_EQ(RunCommand({"new", PathOf("p.ZORX"), "--plc", "16"}).exitCode, 0);
    ASSERT_EQ(RunCommand({"convert", PathOf("p.ZORX"), PathOf("p.ZOR")}).exitCode, 0);
    ASSERT_EQ(RunCommand({"convert", PathOf("p.ZOR"), PathOf("q.ZORX")}).exitCode, 0);
    ASSERT_EQ(RunCommand({"convert", PathOf("q.ZORX"), PathOf("r.ZORX")}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(m_dir / "q.ZORX"), ReadFileBytes(m_dir / "p.ZORX"));
    EXPECT_EQ(ReadFileBytes(m_dir / "r.ZORX"), ReadFileBytes(m_dir / "p.ZORX"));
}

// Station numbers are stored only under the exact extension ".ZORX".
TEST_F(ProjectCommandsTest, StationNumbersAreNotLostToTheCaseOfAnExtension) {
    const auto made = RunCommand({"new", PathOf("line3.zorx"), "--plc", "16"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(std::filesystem::exists(m_dir / "line3.ZORX"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "line3.zorx"));

    const auto lower = RunCommand({"convert", PathOf("line3.ZORX"), PathOf("copy.zorx")});
    EXPECT_EQ(lower.exitCode, 0);
    EXPECT_NE(lower.err.find("station numbers are not stored"), std::string::npos) << lower.err;
    EXPECT_TRUE(std::filesystem::exists(m_dir / "copy.zorx"));
    for (const char* name : {"copy.ZORX", "copy.ZOR"})
        EXPECT_EQ(RunCommand({"convert", PathOf("line3.ZORX"), PathOf(name)}).err, "") << name;
}

TEST_F(ProjectCommandsTest, DamagedAndMissingFilesAreReportedWithTheirNames) {
    WriteFileAtomically(m_dir / "bad.ZORX", std::vector<std::uint8_t>{1, 0, 0xFF, 0xFF});
    for (const char* command : {"info", "dump"}) {
        const auto run = RunCommand({command, PathOf("bad.ZORX")});
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.out.empty()) << command;
        EXPECT_NE(run.err.find("bad.ZORX: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("byte offset"), std::string::npos) << run.err;
    }
    const auto missing = RunCommand({"convert", PathOf("none.ZORX"), PathOf("out.ZORX")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.ZORX: No such file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "out.ZORX"));
}

}  // namespace
}  // namespace tavelo
