#include "PseudoTerminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace tavelo::tools {

namespace {

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

CPseudoTerminal::CPseudoTerminal() {
    m_nMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_nMaster < 0) Fail("posix_openpt");
    if (grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0) Fail("grantpt/unlockpt");
    const char* name = ptsname(m_nMaster);
    if (!name) Fail("ptsname");
    m_strDevice = name;
    m_nSlave = open(name, O_RDWR | O_NOCTTY);
    if (m_nSlave < 0) Fail("open the terminal side");
    // Raw bytes both ways: no echo, no line editing, no newline translation.
    termios mode{};
    if (tcgetattr(m_nSlave, &mode) != 0) Fail("tcgetattr");
    cfmakeraw(&mode);
    cfsetspeed(&mode, B9600);
    if (tcsetattr(m_nSlave, TCSANOW, &mode) != 0) Fail("tcsetattr");
    fcntl(m_nMaster, F_SETFL, fcntl(m_nMaster, F_GETFL) | O_NONBLOCK);
}

CPseudoTerminal::~CPseudoTerminal() {
    if (m_nSlave >= 0) close(m_nSlave);
    if (m_nMaster >= 0) close(m_nMaster);
}

std::vector<std::uint8_t> CPseudoTerminal::Read() {
    std::vector<std::uint8_t> bytes(512);
    const ssize_t got = read(m_nMaster, bytes.data(), bytes.size());
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

void CPseudoTerminal::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = write(m_nMaster, bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
        } else if (put < 0 && errno != EAGAIN && errno != EINTR) {
            Fail("write");
        } else {
            usleep(1000);
        }
    }
}

}  // namespace tavelo::tools
