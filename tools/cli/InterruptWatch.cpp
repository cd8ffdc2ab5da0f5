#include "InterruptWatch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>

namespace tavelo::cli {

CInterruptWatch::CInterruptWatch() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, &m_oldMask);
    m_nSignalFd = signalfd(-1, &signals, SFD_CLOEXEC);
    if (m_nSignalFd >= 0 && pipe2(m_stopPipe, O_CLOEXEC) == 0) {
        m_thread = std::thread([this] { Watch(); });
        return;
    }
    // Without a signalfd the signals keep their default action, as without this watch.
    pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
}

CInterruptWatch::~CInterruptWatch() {
    if (m_thread.joinable()) {
        const char stop = 0;
        while (write(m_stopPipe[1], &stop, 1) < 0 && errno == EINTR) {
        }
        m_thread.join();
        pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr);
    }
    for (const int fd : {m_nSignalFd, m_stopPipe[0], m_stopPipe[1]})
        if (fd >= 0) close(fd);
}

void CInterruptWatch::Watch() {
    for (;;) {
        pollfd fds[2] = {{m_nSignalFd, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents != 0) return;
        signalfd_siginfo info;
        if (read(m_nSignalFd, &info, sizeof info) != sizeof info) continue;
        const int signal = static_cast<int>(info.ssi_signo);
        // A second signal: the user will not wait for the session to close the line.
        if (m_nSignal.exchange(signal) != 0) _exit(kExitSignalBase + signal);
        m_bCancel = true;
    }
}

}  // namespace tavelo::cli
