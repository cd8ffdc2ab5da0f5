#include <gtest/gtest.h>

#include "link/Crc16.h"
#include "link/Frame.h"
#include "link/FrameAssembler.h"
#include "tests/support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;

TEST(Crc16, MatchesTheStandardCheckValueAndGoesOutLowByteFirst) {
    const auto digits = test::Ascii("123456789");
    EXPECT_EQ(Crc16Modbus(digits), 0x4B37);
    std::vector<std::uint8_t> frame;
    AppendCrc16(frame, digits);
    EXPECT_EQ(frame, B({0x37, 0x4B}));
}

TEST(Frame, EncodesRequestsByteForByte) {
    CFrame finish;
    finish.m_nCommand = kCmdFinish;
    EXPECT_EQ(EncodeFrame(finish), B({0x02, 0x05, 0x80, 0x00, 0x00, 0x00, 0xC1, 0xC0, 0x03}));
    CFrame start;
    start.m_nStart = kStartByteZorB;
    start.m_nCommand = kCmdStart;
    start.m_payload = {7, 0, 12};
    EXPECT_EQ(EncodeFrame(start),
              B({0x04, 0x08, 0x02, 0x00, 0x00, 0x00, 0x07, 0x00, 0x0C, 0xD3, 0xA9, 0x03}));
    CFrame block;
    block.m_nBlockIndex = 0x0102;
    block.m_payload.assign(kBlockSize, 0x5A);
    const auto bytes = EncodeFrame(block);
    ASSERT_EQ(bytes.size(), kLargestFrame);
    EXPECT_EQ(bytes[1], 133);
    EXPECT_EQ(bytes[4], 0x01);
    EXPECT_EQ(bytes[5], 0x02);
}

TEST(Frame, DecodeNamesEachFaultInCheckingOrder) {
    CFrame sent;
    sent.m_nCommand = kReplyWritten;
    sent.m_nBlockIndex = 3;
    sent.m_payload = {0};
    const auto good = EncodeFrame(sent);
    const auto changed = [&](std::size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const struct {
        std::vector<std::uint8_t> bytes;
        EFrameFault fault;
    } cases[] = {
        {good, EFrameFault::kNone},
        {changed(0, 0x05), EFrameFault::kStartByte},
        {{}, EFrameFault::kStartByte},
        {changed(1, 4), EFrameFault::kLength},
        {changed(1, 200), EFrameFault::kLength},
        {{good.begin(), good.end() - 1}, EFrameFault::kLength},
        {changed(good.size() - 1, 0x13), EFrameFault::kEndByte},
        {changed(0, kStartByteZorB), EFrameFault::kWrongModel},
        {changed(6, 0x01), EFrameFault::kCrc},
        {changed(7, good[7] ^ 0xFF), EFrameFault::kCrc},
    };
    for (const auto& c : cases) {
        CFrame decoded;
        EXPECT_EQ(DecodeFrame(c.bytes, kStartByteZorA, decoded), c.fault)
            << FrameFaultName(c.fault);
    }
    CFrame decoded;
    ASSERT_EQ(DecodeFrame(good, kStartByteZorA, decoded), EFrameFault::kNone);
    EXPECT_EQ(decoded.m_nCommand, kReplyWritten);
    EXPECT_EQ(decoded.m_nBlockIndex, 3);
    EXPECT_EQ(decoded.m_payload, B({0}));
}

TEST(FrameAssembler, CutsFramesFromPiecesSkipsNoiseAndStaysBounded) {
    CFrame frame;
    frame.m_nCommand = kReplyFinished;
    const auto bytes = EncodeFrame(frame);
    CFrameAssembler assembler;
    assembler.Feed(B({0x00, 0x55}));  // line noise before the frame
    assembler.Feed(std::span(bytes).first(4));
    EXPECT_FALSE(assembler.TakeFrame());
    EXPECT_EQ(assembler.TakeNoise(), B({0x00, 0x55}));
    assembler.Feed(std::span(bytes).subspan(4));
    assembler.Feed(std::span(bytes).first(3));
    EXPECT_EQ(assembler.TakeFrame(), bytes);
    EXPECT_FALSE(assembler.TakeFrame());
    EXPECT_EQ(assembler.TakeRest(), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3));
    EXPECT_TRUE(assembler.TakeNoise().empty());

    // A LEN no frame can have yields the full buffer, never more.
    assembler.Clear();
    std::vector<std::uint8_t> flood(500, 0x02);
    flood[1] = 250;
    assembler.Feed(flood);
    const auto taken = assembler.TakeFrame();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->size(), CFrameAssembler::kCapacity);
    CFrame decoded;
    EXPECT_EQ(DecodeFrame(*taken, kStartByteZorA, decoded), EFrameFault::kLength);
}

}  // namespace
}  // namespace tavelo
