#include <gtest/gtest.h>

#include "link/LinkMessages.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"
#include "support/CliRun.h"
#include "support/PanelProcess.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

// A project for Modbus(RTU), whose driver identifier is 17, and a driver file of that name.
class DownloadCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCommand({"new", Path("p.ZORX"), "--plc", "16"}).exitCode, 0);
        WriteFileAtomically(m_drivers / "drv_x1y7.dat", std::vector<std::uint8_t>(700, 0x5A));
    }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    test::CliRun Download(const std::string& port) {
        return RunCommand({"download", Path("p.ZORX"), "--port", port, "--drivers",
                           m_drivers.Path().string(), "--log", Path("frames.log")});
    }

    test::CTempDir m_dir, m_drivers, m_out;
};

TEST_F(DownloadCommand, DeliversTheBuiltImageAndLogsEveryFrame) {
    test::CPanelProcess panel({"--out", m_out.Path().string()});
    ASSERT_FALSE(panel.GetDevice().empty());
    const auto run = Download(panel.GetDevice());
    panel.Stop();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(ToUtf8(link_messages::kSucceeded)), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("100%"), std::string::npos) << run.out;

    ASSERT_EQ(RunCommand({"build", Path("p.ZORX")}).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(m_out / "image.bin"), ReadFileBytes(m_dir / "p.img"));
    const auto driver = ReadFileBytes(m_out / "driver.bin");
    ASSERT_EQ(driver.size(), 1024u);
    EXPECT_EQ(driver[1], 0x5A);

    const std::vector<std::uint8_t> log = ReadFileBytes(m_dir / "frames.log");
    const std::string text(log.begin(), log.end());
    for (const char* meaning : {"  start\n", "  reply: started\n", "  write image block 0\n",
                                "  read driver block 0\n", "  reply: finished\n"})
        EXPECT_NE(text.find(meaning), std::string::npos) << meaning << "\n" << text;
}

TEST_F(DownloadCommand, FailuresPrintTheResultAndExitWithOne) {
    test::CPanelProcess other({"--model", "ZORB"});
    const auto wrongModel = Download(other.GetDevice());
    EXPECT_EQ(wrongModel.exitCode, 1);
    EXPECT_NE(wrongModel.out.find(ToUtf8(link_messages::kWrongModel)), std::string::npos)
        << wrongModel.out;

    for (const auto& args : std::vector<cli::Arguments>{
             {"--port", Path("no-such-port")}, {"--port", "COM3", "--com-prefix", Path("none")}}) {
        cli::Arguments command = {"download", Path("p.ZORX"), "--drivers",
                                  m_drivers.Path().string()};
        command.insert(command.end(), args.begin(), args.end());
        const auto noPort = RunCommand(command);
        EXPECT_EQ(noPort.exitCode, 1);
        EXPECT_NE(noPort.out.find("该串口不存在"), std::string::npos) << noPort.out;
    }
    EXPECT_EQ(RunCommand({"download", Path("p.ZORX")}).exitCode, 2);
}

}  // namespace
}  // namespace tavelo
