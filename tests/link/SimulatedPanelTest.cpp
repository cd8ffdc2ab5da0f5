#include <gtest/gtest.h>

#include "link/SimulatedPanel.h"

namespace tavelo {
namespace {

TEST(SimulatedPanel, FaultTextsParseAndBadOnesAreRefused) {
    const auto fault = ParsePanelFault("readback:12");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->m_kind, EPanelFault::kWrongReadBack);
    EXPECT_EQ(fault->m_nRequest, 12);
    EXPECT_EQ(ParsePanelFault("silence:1")->m_kind, EPanelFault::kSilence);
    for (const char* bad : {"drop", "drop:", "drop:0", "drop:-2", "drop:3x", "jam:3", ":3"})
        EXPECT_FALSE(ParsePanelFault(bad)) << bad;
}

TEST(SimulatedPanel, AnswersEitherStartByteWithItsOwnAndIgnoresDamagedRequests) {
    CSimulatedPanel panel(1, 9);
    CFrame start{kStartByteZorA, kCmdStart, 0, 0, {3, 0, 4}};
    auto request = EncodeFrame(start);
    CFrame reply;
    ASSERT_EQ(DecodeFrame(panel.Receive(request), kStartByteZorB, reply), EFrameFault::kNone);
    EXPECT_EQ(reply.m_nCommand, kReplyStarted);
    EXPECT_EQ(reply.m_payload, std::vector<std::uint8_t>{9});
    EXPECT_EQ(panel.GetAnnouncedBlocks(), 4);
    request[6] ^= 1;
    EXPECT_TRUE(panel.Receive(request).empty());
    EXPECT_EQ(panel.GetRequestCount(), 1);
    // A block never written reads back erased.
    CFrame read{kStartByteZorB, kCmdRead, kSubImage, 2, {}};
    ASSERT_EQ(DecodeFrame(panel.Receive(EncodeFrame(read)), kStartByteZorB, reply),
              EFrameFault::kNone);
    EXPECT_EQ(reply.m_nCommand, kReplyImageBlock);
    EXPECT_EQ(reply.m_payload, std::vector<std::uint8_t>(kBlockSize, 0xFF));
}

}  // namespace
}  // namespace tavelo
