#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>

#include "link/LinkMessages.h"
#include "model/FileBytes.h"
#include "model/TextCodec.h"
#include "support/CliRun.h"
#include "support/PanelProcess.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

// tavelo-cli as a process of its own, both outputs on a raw pseudo-terminal as on a screen.
class CCliProcess {
public:
    explicit CCliProcess(std::vector<std::string> args) {
        termios raw{};
        cfmakeraw(&raw);
        const char* bin = std::getenv("TAVELO_BIN_DIR");
        const std::string program = std::string(bin ? bin : ".") + "/tavelo-cli";
        m_pid = forkpty(&m_nOutput, nullptr, &raw, nullptr);
        if (m_pid == 0) {
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (std::string& arg : args) argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }
    ~CCliProcess() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        close(m_nOutput);
    }

    // False when the output ends (or stalls for half a minute) without the text.
    bool WaitFor(const std::string& text) {
        while (m_strOutput.find(text) == std::string::npos) {
            pollfd ready{m_nOutput, POLLIN, 0};
            char bytes[256];
            const ssize_t count = poll(&ready, 1, 30'000) == 1 ? read(m_nOutput, bytes, 256) : -1;
            if (count <= 0) return false;
            m_strOutput.append(bytes, static_cast<std::size_t>(count));
        }
        return true;
    }
    void Signal(int signal) { kill(m_pid, signal); }
    int ExitCode() {
        WaitFor(std::string(1, '\0'));
        int status = 0;
        waitpid(std::exchange(m_pid, -1), &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }
    const std::string& Output() const { return m_strOutput; }

private:
    int m_nOutput = -1;
    pid_t m_pid = -1;
    std::string m_strOutput;
};

// A project for Modbus(RTU), whose driver identifier is 17, and a driver file of that name.
class DownloadCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCommand({"new", Path("p.ZORX"), "--plc", "16"}).exitCode, 0);
        WriteFileAtomically(m_drivers / "drv_x1y7.dat", std::vector<std::uint8_t>(700, 0x5A));
    }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    cli::Arguments Arguments(const std::string& port) const {
        return {"download", Path("p.ZORX"),    "--port",
                port,       "--drivers",       m_drivers.Path().string(),
                "--log",    Path("frames.log")};
    }

    test::CTempDir m_dir, m_drivers, m_out;
};

// The port is named relative to the working directory, by a link to the panel's terminal.
TEST_F(DownloadCommand, DeliversTheBuiltImageAndLogsEveryFrameWhole) {
    test::CPanelProcess panel({"--out", m_out.Path().string()});
    ASSERT_FALSE(panel.GetDevice().empty());
    std::filesystem::create_symlink(panel.GetDevice(), m_dir / "mypty");
    const auto workingDirectory = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.Path());
    const auto run = RunCommand(Arguments("mypty"));
    std::filesystem::current_path(workingDirectory);
    panel.Stop();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(ToUtf8(link_messages::kSucceeded)), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("100%"), std::string::npos) << run.out;
    // The pseudo-terminal has no RTS line: one notice, not one per pulse.
    EXPECT_EQ(run.err.find("notice"), run.err.rfind("notice")) << run.err;

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
    EXPECT_EQ(text.find("not one frame"), std::string::npos) << text;
}

// A missing driver is found out before any port is looked for.
TEST_F(DownloadCommand, FailuresPrintTheResultAndExitWithOne) {
    test::CPanelProcess other({"--model", "ZORB"});
    const struct {
        std::string port, drivers, result, reason;
    } cases[] = {
        {other.GetDevice(), m_drivers.Path(), ToUtf8(link_messages::kWrongModel), ""},
        {"COM3", m_drivers.Path(), "该串口不存在", Path("none2")},
        {"no-such-tty", m_out.Path(), "不支持的PLC类型", "identifier 17"},
    };
    for (const auto& c : cases) {
        const auto run = RunCommand({"download", Path("p.ZORX"), "--drivers", c.drivers, "--port",
                                     c.port, "--com-prefix", Path("none")});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.out.find(c.result), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
}

// The panel falls silent after the first block, so every signal lands mid-transfer.
TEST_F(DownloadCommand, SignalsCancelTheSessionAndASecondOneQuitsAtOnce) {
    const struct {
        std::vector<int> signals;
        int exitCode;
        bool resultShown;
    } cases[] = {{{SIGINT}, 130, true}, {{SIGTERM}, 143, true}, {{SIGINT, SIGINT}, 130, false}};
    for (const auto& c : cases) {
        test::CPanelProcess panel({"--fault", "silence:3"});
        CCliProcess cli(Arguments(panel.GetDevice()));
        ASSERT_TRUE(cli.WaitFor("%")) << cli.Output();
        for (const int signal : c.signals) {
            cli.Signal(signal);
            ASSERT_TRUE(cli.WaitFor("Ctrl+C again")) << cli.Output();
        }
        EXPECT_EQ(cli.ExitCode(), c.exitCode) << cli.Output();
        // The progress line is ended before anything else is written.
        EXPECT_NE(cli.Output().find("%\ntavelo-cli download: cancelling"), std::string::npos)
            << cli.Output();
        EXPECT_EQ(cli.Output().ends_with(ToUtf8(link_messages::kCancelled) + "\n"), c.resultShown)
            << cli.Output();
    }
}

}  // namespace
}  // namespace tavelo
