#pragma once
// Turns SIGINT (Ctrl+C) and SIGTERM into a cancel request while it lives: the first signal sets
// the cancel flag, a second ends the process at once with 128 + its number. The signals are
// blocked and read from a signalfd by a thread of its own, so no code runs in signal context;
// threads started later inherit the blocked mask.

#include <signal.h>

#include <atomic>
#include <thread>

namespace tavelo::cli {

class CInterruptWatch {
public:
    // The shell's exit code of a process ended by a signal is this plus the signal's number.
    static constexpr int kExitSignalBase = 128;

    CInterruptWatch();
    ~CInterruptWatch();
    CInterruptWatch(const CInterruptWatch&) = delete;
    CInterruptWatch& operator=(const CInterruptWatch&) = delete;

    const std::atomic<bool>& GetCancelFlag() const { return m_bCancel; }
    // The first signal that arrived; 0 when none did.
    int GetSignal() const { return m_nSignal; }

private:
    void Watch();

    sigset_t m_oldMask;
    int m_nSignalFd = -1;
    int m_stopPipe[2] = {-1, -1};
    std::atomic<bool> m_bCancel = false;
    std::atomic<int> m_nSignal = 0;
    std::thread m_thread;
};

}  // namespace tavelo::cli
