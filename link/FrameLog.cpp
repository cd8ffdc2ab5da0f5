#include "FrameLog.h"

#include <cstdio>
#include <ostream>

#include "Frame.h"

namespace tavelo {

namespace {

std::string Block(const char* what, const CFrame& frame) {
    return std::string(what) + " " + std::to_string(frame.m_nBlockIndex);
}

std::string RequestMeaning(const CFrame& frame) {
    switch (frame.m_nCommand) {
        case kCmdStart:
            return "start";
        case kCmdWriteImage:
            return Block("write image block", frame);
        case kCmdWriteDriver:
            return Block("write driver block", frame);
        case kCmdRead:
            return Block(
                frame.m_nSubCommand == kSubDriver ? "read driver block" : "read image block",
                frame);
        case kCmdFinish:
            return "finish";
        default:
            return "command " + std::to_string(frame.m_nCommand);
    }
}

std::string ReplyMeaning(const CFrame& frame) {
    switch (frame.m_nCommand) {
        case kReplyRestart:
            return "reply: restart";
        case kReplyStarted:
            return "reply: started";
        case kReplyWritten:
            return !frame.m_payload.empty() && frame.m_payload[0] == kWriteRefused
                       ? "reply: write refused"
                       : "reply: block written";
        case kReplyImageBlock:
            return Block("reply: image block", frame);
        case kReplyDriverBlock:
            return Block("reply: driver block", frame);
        case kReplyFinished:
            return "reply: finished";
        default:
            return "reply: command " + std::to_string(frame.m_nCommand);
    }
}

}  // namespace

std::string DescribeFrameBytes(std::span<const std::uint8_t> bytes, bool sent) {
    if (bytes.empty()) return "nothing";
    CFrame frame;
    const EFrameFault fault = DecodeFrame(bytes, bytes[0], frame);
    if (fault != EFrameFault::kNone) return std::string("not one frame: ") + FrameFaultName(fault);
    return sent ? RequestMeaning(frame) : ReplyMeaning(frame);
}

CLoggedSerialPort::CLoggedSerialPort(std::unique_ptr<CSerialPort> port, std::ostream& log)
    : m_pPort(std::move(port)), m_log(log) {}

bool CLoggedSerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (const auto rest = m_received.TakeRest(); !rest.empty())
        Log("<-", rest, "incomplete frame, dropped");
    const bool written = m_pPort->Write(bytes);
    Log("->", bytes, DescribeFrameBytes(bytes, true) + (written ? "" : " (not written)"));
    return written;
}

bool CLoggedSerialPort::SetRts(bool on) {
    const bool set = m_pPort->SetRts(on);
    Log("RTS", {}, std::string(on ? "on" : "off") + (set ? "" : " (the line has no RTS)"));
    return set;
}

std::vector<std::uint8_t> CLoggedSerialPort::ReadAvailable() {
    std::vector<std::uint8_t> bytes = m_pPort->ReadAvailable();
    LogReceived(bytes);
    return bytes;
}

void CLoggedSerialPort::LogReceived(std::span<const std::uint8_t> bytes) {
    // Byte by byte, so the assembler never drops any and each frame is logged as it completes.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        m_received.Feed(bytes.subspan(i, 1));
        if (const auto frame = m_received.TakeFrame()) {
            LogNoise();
            Log("<-", *frame, DescribeFrameBytes(*frame, false));
        }
    }
    LogNoise();
}

void CLoggedSerialPort::LogNoise() {
    if (const auto noise = m_received.TakeNoise(); !noise.empty()) Log("<-", noise, "noise");
}

void CLoggedSerialPort::SetDataHandler(std::function<void()> handler) {
    m_pPort->SetDataHandler(std::move(handler));
}

void CLoggedSerialPort::Log(const char* direction, std::span<const std::uint8_t> bytes,
                            const std::string& meaning) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - m_start);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%8.3f", static_cast<double>(elapsed.count()) / 1000.0);
    std::lock_guard lock(m_mutex);
    m_log << stamp << " " << direction;
    for (std::uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", byte);
        m_log << hex;
    }
    m_log << "  " << meaning << "\n";
}

}  // namespace tavelo
