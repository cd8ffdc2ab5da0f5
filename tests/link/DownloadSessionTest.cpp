#include <gtest/gtest.h>

#include <algorithm>

#include "SessionHarness.h"
#include "link/LinkMessages.h"

namespace tavelo {
namespace {

using test::CSessionHarness;
using test::SampleData;

constexpr int kImageBlocks = 8;
constexpr int kDriverBlocks = 4;

struct CRun {
    CSimulatedPanel panel;
    CSessionHarness link{&panel};
    CDownloadSession session;

    CRun(std::uint8_t panelDriver, std::vector<CPanelFault> faults = {},
         std::int32_t panelModel = 0)
        : panel(panelModel, panelDriver, std::move(faults)),
          session(SampleData(kImageBlocks, kDriverBlocks), link) {}
};

TEST(DownloadSession, SendsImageAndDriverWhenThePanelHoldsAnotherDriver) {
    CRun run(3);
    run.link.Run(run.session);
    ASSERT_TRUE(run.link.m_result);
    EXPECT_TRUE(run.link.m_result->m_bSucceeded);
    EXPECT_EQ(run.link.m_result->m_strMessage, u"下载成功!");
    const auto data = SampleData(kImageBlocks, kDriverBlocks);
    EXPECT_EQ(run.panel.GetImage(), data.m_image);
    EXPECT_EQ(run.panel.GetDriver(), data.m_driver);
    EXPECT_EQ(run.panel.GetDriverId(), 7);
    EXPECT_EQ(run.panel.GetAnnouncedBlocks(), kImageBlocks + kDriverBlocks);
    // Start, every block written and read back, finish.
    EXPECT_EQ(run.link.m_sent.size(), 2u + 2 * (kImageBlocks + kDriverBlocks));
    // 25 good replies before the finish: denominator 2 x 12 + 1.
    EXPECT_EQ(run.link.m_progress.front(), 4);
    EXPECT_EQ(run.link.m_progress[run.link.m_progress.size() - 2], 96);
    EXPECT_EQ(run.link.m_progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(run.link.m_progress.begin(), run.link.m_progress.end()));
    // One wake-up pulse before the start, one after the session.
    EXPECT_EQ(run.link.m_rts, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(run.link.m_waits.front(), 400);
}

TEST(DownloadSession, APanelWithOurDriverGetsTheImageAloneButHearsTheFullCountFirst) {
    CRun run(7);
    run.link.Run(run.session);
    ASSERT_TRUE(run.link.m_result && run.link.m_result->m_bSucceeded);
    EXPECT_TRUE(run.panel.GetDriver().empty());
    EXPECT_EQ(run.panel.GetImage(), SampleData(kImageBlocks, 0).m_image);
    EXPECT_EQ(run.panel.GetAnnouncedBlocks(), kImageBlocks + kDriverBlocks);
    EXPECT_EQ(run.session.GetTotalBlocks(), kImageBlocks);
    EXPECT_EQ(run.link.m_sent.size(), 2u + 2 * kImageBlocks);
    // Denominator 2 x 8 + 1 from the start reply on.
    EXPECT_EQ(run.link.m_progress.front(), 5);
    EXPECT_EQ(run.link.m_progress[run.link.m_progress.size() - 2], 94);
}

TEST(DownloadSession, RecoversFromEachSingleFaultWithOneResend) {
    // Request 3 writes image block 1; request 16 reads image block 2 back (1 + 12 writes + 3).
    const CPanelFault faults[] = {
        {EPanelFault::kDrop, 3},           {EPanelFault::kBadCrc, 3},
        {EPanelFault::kOtherModel, 3},     {EPanelFault::kRefusedWrite, 3},
        {EPanelFault::kWrongReadBack, 16}, {EPanelFault::kDrop, 16},
    };
    for (const CPanelFault& fault : faults) {
        CRun run(3, {fault});
        run.link.Run(run.session);
        ASSERT_TRUE(run.link.m_result);
        EXPECT_TRUE(run.link.m_result->m_bSucceeded) << static_cast<int>(fault.m_kind);
        EXPECT_EQ(run.link.m_sent.size(), 3u + 2 * (kImageBlocks + kDriverBlocks));
        EXPECT_EQ(run.link.m_sent[fault.m_nRequest - 1], run.link.m_sent[fault.m_nRequest]);
        EXPECT_EQ(run.panel.GetImage(), SampleData(kImageBlocks, 0).m_image);
        EXPECT_EQ(run.session.GetAttemptCount(), 0);
    }
}

TEST(DownloadSession, FiveUnansweredSendsFailTheAttemptAndTenAttemptsTheSession) {
    // Block 0 is acknowledged, block 1 goes out five times, then every start frame is lost.
    CRun run(3, {{EPanelFault::kSilence, 3}});
    run.link.Run(run.session);
    ASSERT_TRUE(run.link.m_result);
    EXPECT_FALSE(run.link.m_result->m_bSucceeded);
    EXPECT_EQ(run.link.m_result->m_strMessage,
              u"通讯失败,请检查电源、通讯电缆和通讯口,再重新下载.       ");
    EXPECT_EQ(run.session.GetAttemptCount(), 10);
    EXPECT_EQ(run.link.m_sent.size(), 2u + 5 + 9);
    EXPECT_EQ(run.link.m_rts.size(), 2u * 10 + 2);
}

TEST(DownloadSession, FourRepliesOfTheOtherModelStopWithTheModelMessage) {
    CRun run(3, {}, 1);
    run.link.Run(run.session);
    ASSERT_TRUE(run.link.m_result);
    EXPECT_EQ(run.link.m_result->m_strMessage, u"字符屏型号错误，无法下载!");
    EXPECT_EQ(run.link.m_sent.size(), 4u);
    EXPECT_EQ(run.session.GetAttemptCount(), 3);
}

TEST(DownloadSession, ThreeRepliesOfTheOtherModelAreOrdinaryFaults) {
    CRun run(3, {{EPanelFault::kOtherModel, 3},
                 {EPanelFault::kOtherModel, 5},
                 {EPanelFault::kOtherModel, 7}});
    run.link.Run(run.session);
    ASSERT_TRUE(run.link.m_result);
    EXPECT_TRUE(run.link.m_result->m_bSucceeded);
}

TEST(DownloadSession, CancelStopsAtOnceWithTheCancelMessage) {
    CRun run(3);
    run.link.Run(run.session, 5);
    ASSERT_TRUE(run.link.m_result);
    EXPECT_EQ(run.link.m_result->m_strMessage, u"取消通讯");
    EXPECT_EQ(run.link.m_sent.size(), 5u);
    EXPECT_EQ(run.session.GetAttemptCount(), CDownloadSession::kCancelledAttempts);
    EXPECT_EQ(run.link.m_rts.back(), false);
    // The result follows the closing pulse's one wait, shorter than a reply time-out.
    EXPECT_LE(run.link.m_waits.back(), CDownloadSession::kReplyTimeoutMs);
}

TEST(DownloadSession, AWriteThatKeepsFailingEndsTheSessionInsteadOfLoopingForever) {
    CSessionHarness link;
    link.m_bRefuseWrites = true;
    CDownloadSession session(SampleData(4, 4), link);
    link.Run(session);
    ASSERT_TRUE(link.m_result);
    EXPECT_FALSE(link.m_result->m_bSucceeded);
    EXPECT_EQ(session.GetAttemptCount(), 10);
}

// Hand-made replies in a given state: which advance the session and which are refused.
TEST(DownloadSession, EachReplyKindAdvancesOnlyWhenItAnswersTheRequest) {
    using S = CDownloadSession::EState;
    const auto data = SampleData(2, 1);
    const auto block = [&](const std::vector<std::uint8_t>& bytes, int index) {
        return std::vector<std::uint8_t>(bytes.begin() + index * 128,
                                         bytes.begin() + index * 128 + 128);
    };
    auto wrongBlock = block(data.m_image, 1);
    wrongBlock[17] ^= 0x40;
    const struct {
        std::vector<CFrame> replies;
        S state;
        std::size_t sends;  // frames sent after the start frame
    } cases[] = {
        {{{2, kReplyStarted, 0, 0, {7}}}, S::kWriteImage, 1},
        {{{2, kReplyStarted, 0, 0, {9}}, {2, kReplyRestart, 0, 0, {}}}, S::kStart, 2},
        {{{2, kReplyStarted, 0, 0, {}}}, S::kStart, 0},  // no driver identifier: attempt fails
        {{{2, kReplyStarted, 0, 0, {9}}, {2, kReplyWritten, 8, 0, {0}}}, S::kWriteImage, 2},
        {{{2, kReplyStarted, 0, 0, {9}}, {2, kReplyWritten, 8, 1, {0}}}, S::kWriteImage, 2},
        {{{2, kReplyStarted, 0, 0, {9}}, {2, kReplyWritten, 8, 0, {0xFF}}}, S::kWriteImage, 2},
        {{{2, kReplyStarted, 0, 0, {9}}, {2, kReplyFinished, 0, 0, {}}}, S::kWriteImage, 2},
        {{{2, kReplyStarted, 0, 0, {9}},
          {2, kReplyWritten, 8, 0, {0}},
          {2, kReplyWritten, 8, 1, {0}},
          {2, kReplyWritten, 0x10, 0, {0}}},
         S::kReadImage,
         4},
        {{{2, kReplyStarted, 0, 0, {7}},
          {2, kReplyWritten, 8, 0, {0}},
          {2, kReplyWritten, 8, 1, {0}},
          {2, kReplyImageBlock, 8, 0, block(data.m_image, 0)},
          {2, kReplyImageBlock, 8, 1, wrongBlock}},
         S::kReadImage,
         5},
        {{{2, kReplyStarted, 0, 0, {9}},
          {2, kReplyWritten, 8, 0, {0}},
          {2, kReplyWritten, 8, 1, {0}},
          {2, kReplyWritten, 0x10, 0, {0}},
          {2, kReplyImageBlock, 8, 0, block(data.m_image, 0)},
          {2, kReplyImageBlock, 8, 1, block(data.m_image, 1)},
          {2, kReplyImageBlock, 0x10, 0, block(data.m_driver, 0)},
          {2, kReplyDriverBlock, 0x10, 0, block(data.m_driver, 0)}},
         S::kFinish,
         8},
    };
    int row = 0;
    for (const auto& c : cases) {
        CSessionHarness link;
        CDownloadSession session(data, link);
        session.Start();
        for (int wait = 0; wait < 3; ++wait) session.OnWaitElapsed();
        for (const CFrame& reply : c.replies) link.Deliver(session, reply);
        EXPECT_EQ(session.GetState(), c.state) << "row " << row;
        EXPECT_EQ(link.m_sent.size(), 1 + c.sends) << "row " << row;
        ++row;
    }
}

}  // namespace
}  // namespace tavelo

namespace tavelo {
namespace {

TEST(DownloadSession, ProgressStaysWithinAHundredWhenALaterAttemptNeedsFewerBlocks) {
    const auto data = test::SampleData(2, 1);
    const auto block = [&](int index) {
        return std::vector<std::uint8_t>(data.m_image.begin() + index * 128,
                                         data.m_image.begin() + index * 128 + 128);
    };
    test::CSessionHarness link;
    CDownloadSession session(data, link);
    session.Start();
    for (int wait = 0; wait < 3; ++wait) session.OnWaitElapsed();
    // The first attempt writes for another driver (total 3) and gets six good replies.
    const CFrame first[] = {
        {2, kReplyStarted, 0, 0, {9}},         {2, kReplyWritten, 8, 0, {0}},
        {2, kReplyWritten, 8, 1, {0}},         {2, kReplyWritten, 0x10, 0, {0}},
        {2, kReplyImageBlock, 8, 0, block(0)}, {2, kReplyImageBlock, 8, 1, block(1)}};
    for (const CFrame& reply : first) link.Deliver(session, reply);
    for (int timeout = 0; timeout < 5; ++timeout) session.OnWaitElapsed();
    ASSERT_EQ(session.GetAttemptCount(), 1);
    // The second learns the panel holds our driver: total 2, yet six replies were seen.
    for (int wait = 0; wait < 3; ++wait) session.OnWaitElapsed();
    link.Deliver(session, {2, kReplyStarted, 0, 0, {7}});
    EXPECT_EQ(session.GetTotalBlocks(), 2);
    ASSERT_FALSE(link.m_progress.empty());
    EXPECT_EQ(link.m_progress.back(), 100);
    EXPECT_EQ(*std::max_element(link.m_progress.begin(), link.m_progress.end()), 100);
    EXPECT_FALSE(link.m_result);
}

}  // namespace
}  // namespace tavelo
