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

// Lends the worker one end of a pipe whose other end a simulated panel answers at once.
class CPanelOnPipe {
public:
    explicit CPanelOnPipe(std::uint8_t panelDriver, std::vector<CPanelFault> faults = {})
        : m_panel(0, panelDriver, std::move(faults)) {
        auto& end = m_pipe.GetPanelEnd();
        end.SetDataHandler([this, &end] {
            const auto reply = m_panel.Receive(end.ReadAvailable());
            if (!reply.empty()) end.Write(reply);
        });
    }

    std::unique_ptr<CSerialPort> LendPcEnd() { return std::make_unique<CLent>(m_pipe.GetPcEnd()); }
    const CSimulatedPanel& Panel() const { return m_panel; }

private:
    class CLent : public CSerialPort {
    public:
        explicit CLent(CSerialPort& end) : m_end(end) {}
        bool Write(std::span<const std::uint8_t> bytes) override { return m_end.Write(bytes); }
        bool SetRts(bool on) override { return m_end.SetRts(on); }
        std::vector<std::uint8_t> ReadAvailable() override { return m_end.ReadAvailable(); }
        void SetDataHandler(std::function<void()> h) override {
            m_end.SetDataHandler(std::move(h));
        }

    private:
        CSerialPort& m_end;
    };

    CMemoryPipe m_pipe;
    CSimulatedPanel m_panel;
};

class RunDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileAtomically(m_program / kDriverIndexFileName, test::Ascii("0105"));
        WriteFileAtomically(m_drivers / "drv_x0y5.dat", std::vector<std::uint8_t>(300, 0x44));
        setenv("TAVELO_DATA_DIR", m_program.Path().c_str(), 1);
    }
    void TearDown() override { unsetenv("TAVELO_DATA_DIR"); }

    CDownloadRequest Request(CPanelOnPipe& panel, std::uint8_t plcIndex) {
        CDownloadRequest request;
        request.m_image = test::PatternBlocks(4, 9);
        request.m_nBlockCount = 4;
        request.m_nPlcListIndex = plcIndex;
        request.m_driversFolder = m_drivers.Path();
        request.m_pLog = &m_log;
        request.m_makePort = [&panel](std::string&) { return panel.LendPcEnd(); };
        request.m_progress = [this](int position) { m_progress.push_back(position); };
        return request;
    }

    test::CTempDir m_program, m_drivers;
    std::ostringstream m_log;
    std::vector<int> m_progress;
};

TEST_F(RunDownloadTest, DeliversImageAndDriverThroughTheWorkerThread) {
    CPanelOnPipe panel(1);
    const CDownloadReport report = RunDownload(Request(panel, 1));
    EXPECT_TRUE(report.m_bSucceeded) << m_log.str();
    EXPECT_EQ(report.m_strMessage, link_messages::kSucceeded);
    EXPECT_EQ(panel.Panel().GetImage(), test::PatternBlocks(4, 9));
    ASSERT_EQ(panel.Panel().GetDriver().size(), 512u);
    EXPECT_EQ(panel.Panel().GetDriver()[0], 0xFF);
    EXPECT_EQ(panel.Panel().GetDriver()[300], 0x44);
    ASSERT_FALSE(m_progress.empty());
    EXPECT_EQ(m_progress.back(), 100);
}

TEST_F(RunDownloadTest, CancelFromTheCallerEndsWithTheCancelMessage) {
    // The panel falls silent after the start reply, so the cancel finds the session waiting.
    CPanelOnPipe panel(1, {{EPanelFault::kSilence, 2}});
    std::atomic<bool> cancel = false;
    CDownloadRequest request = Request(panel, 1);
    request.m_pCancel = &cancel;
    request.m_progress = [&cancel](int) { cancel = true; };
    EXPECT_EQ(RunDownload(request).m_strMessage, link_messages::kCancelled);
    EXPECT_EQ(panel.Panel().GetFinishedSessions(), 0);
}

TEST_F(RunDownloadTest, RefusesBeforeOpeningAnyPortWhenNoDriverFits) {
    CPanelOnPipe panel(1);
    bool portOpened = false;
    CDownloadRequest request = Request(panel, 0);
    request.m_makePort = [&](std::string&) {
        portOpened = true;
        return panel.LendPcEnd();
    };
    EXPECT_EQ(RunDownload(request).m_strMessage, link_messages::kUnsupportedPlc);
    request.m_nBlockCount = 5;
    EXPECT_EQ(RunDownload(request).m_strMessage, u"ERROR");
    EXPECT_FALSE(portOpened);
}

TEST_F(RunDownloadTest, APortThatCannotBeOpenedIsReported) {
    CDownloadRequest request;
    request.m_image = test::PatternBlocks(4, 9);
    request.m_nBlockCount = 4;
    request.m_nPlcListIndex = 1;
    request.m_driversFolder = m_drivers.Path();
    request.m_strPort = (m_program / "no-such-tty").string();
    EXPECT_EQ(RunDownload(request).m_strMessage, link_messages::kNoSuchPort);
}

}  // namespace
}  // namespace tavelo
