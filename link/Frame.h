#pragma once
// The download frame of the panel's block protocol: its constants, and encoding and checking
// as pure functions shared by the PC side and the simulated panel.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavelo {

inline constexpr std::uint8_t kStartByteZorA = 0x02;
inline constexpr std::uint8_t kStartByteZorB = 0x04;
inline constexpr std::uint8_t kEndByte = 0x03;
inline constexpr std::size_t kBlockSize = 128;
// LEN counts command, sub-command, block index and payload.
inline constexpr std::size_t kLenWithoutPayload = 5;
// Start byte, LEN, CRC and end byte around the LEN bytes.
inline constexpr std::size_t kFrameOverhead = 4;
inline constexpr std::size_t kLargestFrame = kBlockSize + kLenWithoutPayload + kFrameOverhead;

// Request commands and sub-commands.
inline constexpr std::uint8_t kCmdStart = 0x02;
inline constexpr std::uint8_t kCmdWriteImage = 0x08;
inline constexpr std::uint8_t kCmdWriteDriver = 0x10;
inline constexpr std::uint8_t kCmdRead = 0x20;
inline constexpr std::uint8_t kSubImage = 0x08;
inline constexpr std::uint8_t kSubDriver = 0x10;
inline constexpr std::uint8_t kCmdFinish = 0x80;
// Reply commands.
inline constexpr std::uint8_t kReplyRestart = 0x01;
inline constexpr std::uint8_t kReplyStarted = 0x02;
inline constexpr std::uint8_t kReplyWritten = 0x40;
inline constexpr std::uint8_t kReplyImageBlock = 0x08;
inline constexpr std::uint8_t kReplyDriverBlock = 0x10;
inline constexpr std::uint8_t kReplyFinished = 0x80;
// A write acknowledgement whose first payload byte is this reports a failed write.
inline constexpr std::uint8_t kWriteRefused = 0xFF;

// The start byte of a panel model index: 0 ZORA, 1 ZORB.
std::uint8_t StartByteOfModel(std::int32_t modelIndex);

struct CFrame {
    std::uint8_t m_nStart = kStartByteZorA;
    std::uint8_t m_nCommand = 0;
    std::uint8_t m_nSubCommand = 0;
    std::uint16_t m_nBlockIndex = 0;
    std::vector<std::uint8_t> m_payload;
};

// Why received bytes are not a frame for us, in the order they are checked.
enum class EFrameFault {
    kNone,
    kStartByte,  // neither 0x02 nor 0x04
    kLength,     // LEN below 5 or bytes missing
    kEndByte,
    kWrongModel,  // a well-delimited frame of the other panel model
    kCrc,
};

const char* FrameFaultName(EFrameFault fault);

// Payloads above one block are refused by the caller's construction; LEN must fit one byte.
std::vector<std::uint8_t> EncodeFrame(const CFrame& frame);

// Checks bytes that hold one frame (as the assembler delimits it) against the start byte of
// the expected model and decodes it into frame when it is sound.
EFrameFault DecodeFrame(std::span<const std::uint8_t> bytes, std::uint8_t expectedStart,
                        CFrame& frame);

}  // namespace tavelo
