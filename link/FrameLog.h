#pragma once
// A serial port that writes every frame sent and every frame received (once it is whole, however
// it arrived) to a log, with the time since the port was opened and what the bytes mean, so a
// failed download in the field can be read afterwards. Bytes that cannot start a frame are
// logged as noise.

#include <chrono>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>

#include "FrameAssembler.h"
#include "SerialPort.h"

namespace tavelo {

// What a frame means, as the PC sends it ("write image block 3") or the panel answers
// ("reply: block written"), or why the bytes are not one frame.
std::string DescribeFrameBytes(std::span<const std::uint8_t> bytes, bool sent);

class CLoggedSerialPort : public CSerialPort {
public:
    CLoggedSerialPort(std::unique_ptr<CSerialPort> port, std::ostream& log);

    bool Write(std::span<const std::uint8_t> bytes) override;
    bool SetRts(bool on) override;
    std::vector<std::uint8_t> ReadAvailable() override;
    void SetDataHandler(std::function<void()> handler) override;

private:
    void LogReceived(std::span<const std::uint8_t> bytes);
    void LogNoise();
    void Log(const char* direction, std::span<const std::uint8_t> bytes,
             const std::string& meaning);

    std::unique_ptr<CSerialPort> m_pPort;
    std::ostream& m_log;
    // Mirrors the session's own: frames are cut the same way, and what is left of one when the
    // next request goes out is dropped as the session drops it.
    CFrameAssembler m_received;
    std::mutex m_mutex;
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

}  // namespace tavelo
