#pragma once
// The line the download talks over: a serial port, or an in-memory pipe in tests.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tavelo {

class CSerialPort {
public:
    virtual ~CSerialPort() = default;
    // Writes the whole frame; false when the line kept refusing it.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // False when the line has no RTS control (a pseudo-terminal, a pipe).
    virtual bool SetRts(bool on) = 0;
    // Takes every byte received so far.
    virtual std::vector<std::uint8_t> ReadAvailable() = 0;
    // Called when bytes arrive, possibly on another thread; it must only post a wake-up.
    virtual void SetDataHandler(std::function<void()> handler) = 0;
};

}  // namespace tavelo
