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
constexpr std::size_t kCleanSends = 2 + 2 * (kImageBlocks + kDriverBlocks);

struct CRun {
    CSimulatedPanel panel;
    CSessionHarness link{&panel};
    CDownloadSession session;

    CRun(std::uint8_t panelDriver, std::vector<CPanelFault> faults = {},
         std::int32_t panelModel = 0)
        : panel(panelModel, panelDriver, std::move(faults)),
          session(SampleData(kImageBlocks, kDriverBlocks), link) {}
};

// RTS on for 400 ms, then off for 400 ms before the result is given.
void ExpectWholeClosingPulse(const CSessionHarness& link) {
    const std::size_t n = link.m_rts.size();
    ASSERT_GE(n, 2u);
    EXPECT_TRUE(link.m_rts[n - 2] && !link.m_rts[n - 1]);
    EXPECT_EQ(link.m_rtsAt[n - 1] - link.m_rtsAt[n - 2], CDownloadSession::kRtsPulseMs);
    EXPECT_EQ(link.m_nResultAt - link.m_rtsAt[n - 1], CDownloadSession::kRtsPulseMs);
}

// A panel holding another driver gets image and driver; one holding ours gets the image alone
// but hears the full count first. Progress counts 2 x blocks + 1 good replies.
TEST(DownloadSession, SendsTheDriverOnlyToAPanelHoldingAnother) {
    const auto data = SampleData(kImageBlocks, kDriverBlocks);
    const struct {
        std::uint8_t panelDriver;
        int blocks;
        int firstProgress, progressBeforeFinish;
    } cases[] = {{3, kImageBlocks + kDriverBlocks, 4, 96}, {7, kImageBlocks, 5, 94}};
    for (const auto& c : cases) {
        CRun run(c.panelDriver);
        run.link.Run(run.session);
        ASSERT_TRUE(run.link.m_result);
        EXPECT_TRUE(run.link.m_result->m_bSucceeded);
        EXPECT_EQ(run.link.m_result->m_strMessage, u"下载成功!");
        EXPECT_EQ(run.panel.GetImage(), data.m_image);
        EXPECT_EQ(run.panel.GetDriver(),
                  c.panelDriver == 7 ? std::vector<std::uint8_t>{} : data.m_driver);
        EXPECT_EQ(run.panel.GetDriverId(), 7);
        EXPECT_EQ(run.panel.GetAnnouncedBlocks(), kImageBlocks + kDriverBlocks);
        EXPECT_EQ(run.session.GetTotalBlocks(), c.blocks);
        EXPECT_EQ(run.link.m_sent.size(), 2u + 2 * c.blocks);
        const auto& progress = run.link.m_progress;
        EXPECT_EQ(progress.front(), c.firstProgress);
        EXPECT_EQ(progress[progress.size() - 2], c.progressBeforeFinish);
        EXPECT_EQ(progress.back(), 100);
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        // One wake-up pulse before the start, one after the session.
        EXPECT_EQ(run.link.m_rts, (std::vector<bool>{true, false, true, false}));
        EXPECT_EQ(run.link.m_rtsAt[1] - run.link.m_rtsAt[0], CDownloadSession::kRtsPulseMs);
        ExpectWholeClosingPulse(run.link);
    }
}

TEST(DownloadSession, RecoversFromFaultsWithOneResendEach) {
    // Request 3 writes image block 1; request 16 reads image block 2 back (1 + 12 writes + 3).
    const std::vector<CPanelFault> faultSets[] = {
        {{EPanelFault::kDrop, 3}},
        {{EPanelFault::kBadCrc, 3}},
        {{EPanelFault::kRefusedWrite, 3}},
        {{EPanelFault::kWrongReadBack, 16}},
        {{EPanelFault::kDrop, 16}},
        // Three replies of the other model are ordinary faults; the fourth would stop.
        {{EPanelFault::kOtherModel, 3},
         {EPanelFault::kOtherModel, 5},
         {EPanelFault::kOtherModel, 7}},
    };
    for (const auto& faults : faultSets) {
        CRun run(3, faults);
        run.link.Run(run.session);
        ASSERT_TRUE(run.link.m_result);
        EXPECT_TRUE(run.link.m_result->m_bSucceeded) << static_cast<int>(faults[0].m_kind);
        EXPECT_EQ(run.link.m_sent.size(), kCleanSends + faults.size());
        for (const CPanelFault& fault : faults)
            EXPECT_EQ(run.link.m_sent[fault.m_nRequest - 1], run.link.m_sent[fault.m_nRequest]);
        EXPECT_EQ(run.panel.GetImage(), SampleData(kImageBlocks, 0).m_image);
        EXPECT_EQ(run.session.GetAttemptCount(), 0);
    }
}

TEST(DownloadSession, SessionsThatCannotSucceedEndWithTheirMessage) {
    const struct {
        std::vector<CPanelFault> faults;
        std::int32_t panelModel;
        bool refuseWrites;
        const char16_t* message;
        int attempts;
        std::size_t sends;
        std::size_t cancelAfterSends = SIZE_MAX;
    } cases[] = {
        // Block 0 is acknowledged, block 1 goes out five times, then every start frame is lost.
        {{{EPanelFault::kSilence, 3}}, 0, false, link_messages::kLineFailed, 10, 2 + 5 + 9},
        {{}, 1, false, link_messages::kWrongModel, 3, 4},
        // A line that refuses every write must not loop forever.
        {{}, 0, true, link_messages::kLineFailed, 10, 10},
        // Cancel stops at once.
        {{}, 0, false, u"取消通讯", CDownloadSession::kCancelledAttempts, 5, 5},
    };
    for (const auto& c : cases) {
        CRun run(3, c.faults, c.panelModel);
        run.link.m_bRefuseWrites = c.refuseWrites;
        run.link.Run(run.session, c.cancelAfterSends);
        ASSERT_TRUE(run.link.m_result);
        EXPECT_FALSE(run.link.m_result->m_bSucceeded);
        EXPECT_EQ(run.link.m_result->m_strMessage, c.message);
        EXPECT_EQ(run.session.GetAttemptCount(), c.attempts);
        EXPECT_EQ(run.link.m_sent.size(), c.sends);
        ExpectWholeClosingPulse(run.link);
    }
}

std::vector<std::uint8_t> BlockOf(const std::vector<std::uint8_t>& bytes, int index) {
    return {bytes.begin() + index * kBlockSize, bytes.begin() + (index + 1) * kBlockSize};
}

// Hand-made replies for two image blocks and one driver block.
struct CHandReplies {
    const CDownloadData data = SampleData(2, 1);
    const CFrame ours{2, kReplyStarted, 0, 0, {7}}, other{2, kReplyStarted, 0, 0, {9}},
        noId{2, kReplyStarted, 0, 0, {}}, restart{2, kReplyRestart, 0, 0, {}},
        finished{2, kReplyFinished, 0, 0, {}}, wrote0{2, kReplyWritten, 8, 0, {0}},
        wrote1{2, kReplyWritten, 8, 1, {0}}, refused0{2, kReplyWritten, 8, 0, {0xFF}},
        wroteDriver{2, kReplyWritten, 0x10, 0, {0}},
        read0{2, kReplyImageBlock, 8, 0, BlockOf(data.m_image, 0)},
        read1{2, kReplyImageBlock, 8, 1, BlockOf(data.m_image, 1)},
        driverAsImage{2, kReplyImageBlock, 0x10, 0, BlockOf(data.m_driver, 0)},
        readDriver{2, kReplyDriverBlock, 0x10, 0, BlockOf(data.m_driver, 0)};
    CFrame Spoiled(CFrame frame) const {
        frame.m_payload[17] ^= 0x40;
        return frame;
    }
};

// Replies in a given state: which advance the session and which are refused.
TEST(DownloadSession, EachReplyKindAdvancesOnlyWhenItAnswersTheRequest) {
    using S = CDownloadSession::EState;
    const CHandReplies r;
    const struct {
        std::vector<CFrame> replies;
        S state;
        std::size_t sends;  // frames sent after the start frame
    } cases[] = {
        {{r.ours}, S::kWriteImage, 1},
        {{r.other, r.restart}, S::kStart, 2},
        {{r.noId}, S::kStart, 0},  // no driver identifier: the attempt fails
        {{r.other, r.wrote0}, S::kWriteImage, 2},
        {{r.other, r.wrote1}, S::kWriteImage, 2},
        {{r.other, r.refused0}, S::kWriteImage, 2},
        {{r.other, r.finished}, S::kWriteImage, 2},
        {{r.other, r.wrote0, r.wrote1, r.wroteDriver}, S::kReadImage, 4},
        {{r.ours, r.wrote0, r.wrote1, r.read0, r.Spoiled(r.read1)}, S::kReadImage, 5},
        {{r.other, r.wrote0, r.wrote1, r.wroteDriver, r.read0, r.read1, r.driverAsImage,
          r.readDriver},
         S::kFinish,
         8},
    };
    int row = 0;
    for (const auto& c : cases) {
        CSessionHarness link;
        CDownloadSession session(r.data, link);
        session.Start();
        link.Elapse(session, 3);
        for (const CFrame& reply : c.replies) link.Deliver(session, reply);
        EXPECT_EQ(session.GetState(), c.state) << "row " << row;
        EXPECT_EQ(link.m_sent.size(), 1 + c.sends) << "row " << row;
        ++row;
    }
}

TEST(DownloadSession, ProgressStaysWithinAHundredWhenALaterAttemptNeedsFewerBlocks) {
    const CHandReplies r;
    CSessionHarness link;
    CDownloadSession session(r.data, link);
    session.Start();
    link.Elapse(session, 3);
    // The first attempt writes for another driver (total 3) and gets six good replies.
    for (const CFrame& reply : {r.other, r.wrote0, r.wrote1, r.wroteDriver, r.read0, r.read1})
        link.Deliver(session, reply);
    link.Elapse(session, 5);
    ASSERT_EQ(session.GetAttemptCount(), 1);
    // The second learns the panel holds our driver: total 2, yet six replies were seen.
    link.Elapse(session, 3);
    link.Deliver(session, r.ours);
    EXPECT_EQ(session.GetTotalBlocks(), 2);
    EXPECT_EQ(*std::max_element(link.m_progress.begin(), link.m_progress.end()), 100);
    EXPECT_FALSE(link.m_result);
}

}  // namespace
}  // namespace tavelo
