#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "SessionHarness.h"
#include "link/LinkMessages.h"
#include "link/MemoryPipe.h"
#include "link/PlcDriver.h"
#include "link/qt/Download.h"
#include "model/FileBytes.h"
#include "tests/support/ByteHelpers.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

// The PC end of a pipe as a slow line shows it: one byte per read, the rest announced again.
class CTrickle : public CSerialPort {
public:
    explicit CTrickle(CSerialPort& end) : m_end(end) {}
    bool Write(std::span<const std::uint8_t> bytes) override { return m_end.Write(bytes); }
    bool SetRts(bool on) override { return m_end.SetRts(on); }
    std::vector<std::uint8_t> ReadAvailable() override {
        const auto more = m_end.ReadAvailable();
        m_waiting.insert(m_waiting.end(), more.begin(), more.end());
        if (m_waiting.empty()) return {};
        std::vector<std::uint8_t> first{m_waiting.front()};
        m_waiting.erase(m_waiting.begin());
        if (!m_waiting.empty() && m_handler) m_handler();
        return first;
    }
    void SetDataHandler(std::function<void()> handler) override {
        m_handler = handler;
        m_end.SetDataHandler(std::move(handler));
    }

private:
    CSerialPort& m_end;
    std::vector<std::uint8_t> m_waiting;
    std::function<void()> m_handler;
};

// A simulated panel on the far end of a pipe; a noise byte goes before its first reply.
class CPanelOnPipe {
public:
    explicit CPanelOnPipe(std::uint8_t panelDriver) : m_panel(0, panelDriver) {
        auto& end = m_pipe.GetPanelEnd();
        end.SetDataHandler([this, &end] {
            auto reply = m_panel.Receive(end.ReadAvailable());
            if (reply.empty()) return;
            if (std::exchange(m_bNoiseFirst, false)) reply.insert(reply.begin(), 0x00);
            end.Write(reply);
        });
    }

    std::unique_ptr<CSerialPort> LendPcEnd() {
        return std::make_unique<CTrickle>(m_pipe.GetPcEnd());
    }
    const CSimulatedPanel& Panel() const { return m_panel; }

private:
    CMemoryPipe m_pipe;
    CSimulatedPanel m_panel;
    bool m_bNoiseFirst = true;
};

// Replies that reach the worker a byte at a time are logged once each, when whole.
TEST(RunDownload, DeliversThroughTheWorkerAndLogsWholeRepliesAndNoise) {
    test::CTempDir program, drivers;
    WriteFileAtomically(program / kDriverIndexFileName, test::Ascii("0105"));
    WriteFileAtomically(drivers / "drv_x0y5.dat", std::vector<std::uint8_t>(300, 0x44));
    setenv("TAVELO_DATA_DIR", program.Path().c_str(), 1);
    CPanelOnPipe panel(1);
    std::ostringstream log, frames;
    std::vector<int> progress;
    CDownloadRequest request;
    request.m_image = test::PatternBlocks(4, 9);
    request.m_nBlockCount = 4;
    request.m_nPlcListIndex = 1;
    request.m_driversFolder = drivers.Path();
    request.m_pLog = &log;
    request.m_makePort = [&panel](std::string&) { return panel.LendPcEnd(); };
    request.m_progress = [&progress](int position) { progress.push_back(position); };
    request.m_pFrameLog = &frames;
    const CDownloadReport report = RunDownload(request);
    unsetenv("TAVELO_DATA_DIR");
    EXPECT_EQ(report.m_strMessage, link_messages::kSucceeded) << log.str();
    EXPECT_EQ(panel.Panel().GetImage(), test::PatternBlocks(4, 9));
    ASSERT_EQ(panel.Panel().GetDriver().size(), 512u);
    EXPECT_EQ(panel.Panel().GetDriver()[0], 0xFF);
    EXPECT_EQ(panel.Panel().GetDriver()[300], 0x44);
    EXPECT_EQ(progress.back(), 100);

    int replies = 0, noise = 0;
    std::istringstream lines(frames.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.find(" <- ") == std::string::npos) continue;
        if (line.ends_with(" 00  noise"))
            ++noise;
        else
            replies += line.find("  reply: ") != std::string::npos;
    }
    EXPECT_EQ(noise, 1) << frames.str();
    // Start, four image and four driver blocks written and read back, finish.
    EXPECT_EQ(replies, 18) << frames.str();
    EXPECT_EQ(frames.str().find("not one frame"), std::string::npos) << frames.str();
}

}  // namespace
}  // namespace tavelo
