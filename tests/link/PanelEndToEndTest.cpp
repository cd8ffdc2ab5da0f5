#include <gtest/gtest.h>

#include <sstream>

#include "support/PanelProcess.h"
#include "SessionHarness.h"
#include "link/LinkMessages.h"
#include "link/PlcDriver.h"
#include "link/qt/Download.h"
#include "model/FileBytes.h"
#include "tests/support/ByteHelpers.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

// Whole downloads over a pseudo-terminal to the tavelo-panel program through the real port.
class PanelEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileAtomically(m_program / kDriverIndexFileName, test::Ascii("0421"));
        m_driver.assign(700, 0x5E);
        WriteFileAtomically(m_drivers / "drv_x2y1.dat", m_driver);
        setenv("TAVELO_DATA_DIR", m_program.Path().c_str(), 1);
    }
    void TearDown() override { unsetenv("TAVELO_DATA_DIR"); }

    CDownloadReport Download(const std::string& device) {
        CDownloadRequest request;
        request.m_image = test::PatternBlocks(8, 3);
        request.m_nBlockCount = 8;
        request.m_nPlcListIndex = 1;
        request.m_strPort = device;
        request.m_driversFolder = m_drivers.Path();
        request.m_pLog = &m_log;
        return RunDownload(request);
    }

    test::CTempDir m_program, m_drivers, m_out;
    std::vector<std::uint8_t> m_driver;
    std::ostringstream m_log;
};

TEST_F(PanelEndToEnd, ImageAndDriverArriveWholeAndTheMissingRtsLineIsOneNotice) {
    test::CPanelProcess panel({"--driver-id", "5", "--out", m_out.Path().string()});
    ASSERT_FALSE(panel.GetDevice().empty());
    const auto report = Download(panel.GetDevice());
    EXPECT_TRUE(report.m_bSucceeded) << m_log.str();
    panel.Stop();
    EXPECT_EQ(ReadFileBytes(m_out / "image.bin"), test::PatternBlocks(8, 3));
    const auto driver = ReadFileBytes(m_out / "driver.bin");
    ASSERT_EQ(driver.size(), 1024u);
    EXPECT_TRUE(std::equal(m_driver.begin(), m_driver.end(), driver.begin() + 1));
    const std::string log = m_log.str();
    ASSERT_NE(log.find("notice"), std::string::npos) << log;
    EXPECT_EQ(log.find("notice"), log.rfind("notice")) << log;
}

TEST_F(PanelEndToEnd, FaultsOnTheLineAreRecoveredOrReported) {
    {
        test::CPanelProcess panel({"--driver-id", "21", "--out", m_out.Path().string(), "--fault",
                                   "crc:2", "--fault", "readback:12", "--fault", "drop:14"});
        EXPECT_TRUE(Download(panel.GetDevice()).m_bSucceeded) << m_log.str();
        panel.Stop();
        EXPECT_EQ(ReadFileBytes(m_out / "image.bin"), test::PatternBlocks(8, 3));
        EXPECT_TRUE(ReadFileBytes(m_out / "driver.bin").empty());
    }
    test::CPanelProcess other({"--model", "ZORB"});
    EXPECT_EQ(Download(other.GetDevice()).m_strMessage, link_messages::kWrongModel);
}

}  // namespace
}  // namespace tavelo
