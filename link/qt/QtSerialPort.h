#pragma once
// A real serial port on QSerialPort, set up for the panel's download line: 9600 baud, 8 data
// bits, no parity, one stop bit, no flow control. Lives on the thread that opens it.

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "link/SerialPort.h"

class QSerialPort;

namespace tavelo {

class CQtSerialPort : public CSerialPort {
public:
    static constexpr int kBaudRate = 9600;
    static constexpr long long kQueueSize = 1024;
    static constexpr int kWriteTimeoutMs = 600;
    static constexpr int kMaxWriteFailures = 5;

    // log, when given, receives the notices of the line (an RTS line it lacks).
    explicit CQtSerialPort(std::ostream* log = nullptr);
    ~CQtSerialPort() override;

    // Opens and configures the device; false, with the reason in error, when it cannot.
    bool Open(const std::string& device, std::string& error);

    bool Write(std::span<const std::uint8_t> bytes) override;
    bool SetRts(bool on) override;
    std::vector<std::uint8_t> ReadAvailable() override;
    void SetDataHandler(std::function<void()> handler) override;

private:
    std::unique_ptr<QSerialPort> m_port;
    std::ostream* m_pLog;
    bool m_bRtsNoticeGiven = false;
};

// The serial devices of this system, by their device paths.
std::vector<std::string> ListSerialPorts();

}  // namespace tavelo
