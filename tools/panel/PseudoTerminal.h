#pragma once
// The master side of a raw pseudo-terminal whose device stands in for a panel's serial port.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavelo::tools {

class CPseudoTerminal {
public:
    // Throws std::runtime_error when no pseudo-terminal can be made.
    CPseudoTerminal();
    ~CPseudoTerminal();
    CPseudoTerminal(const CPseudoTerminal&) = delete;
    CPseudoTerminal& operator=(const CPseudoTerminal&) = delete;

    // The device path a PC program opens, e.g. /dev/pts/5.
    const std::string& GetDevicePath() const { return m_strDevice; }
    int GetFd() const { return m_nMaster; }
    // What has arrived; empty when nothing waits.
    std::vector<std::uint8_t> Read();
    void Write(std::span<const std::uint8_t> bytes);

private:
    int m_nMaster = -1;
    // Held open so the master never sees a hang-up between two PC sessions.
    int m_nSlave = -1;
    std::string m_strDevice;
};

}  // namespace tavelo::tools
