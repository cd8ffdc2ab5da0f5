// tavelo-panel: a simulated ZOR panel on a pseudo-terminal, so downloads can be tried, tested
// and timed without a panel. Prints the device path first, then serves until a signal or the
// idle time-out.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "PseudoTerminal.h"
#include "link/SimulatedPanel.h"
#include "model/FileBytes.h"
#include "tools/common/CliProgram.h"

namespace {

using namespace tavelo;

struct CPanelOptions {
    std::string m_strModel = "ZORA";
    int m_nDriverId = 0;
    std::string m_strOut;
    bool m_bPace = false;
    double m_dIdleExit = 0;
    std::vector<std::string> m_faults;
};

// One byte on a 9600 baud 8-N-1 line: ten bits.
constexpr std::chrono::microseconds kByteTime{10'000'000 / 9600};

int OpenSignalFd() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

void SaveSession(const CSimulatedPanel& panel, const std::string& out) {
    std::cerr << "tavelo-panel: session " << panel.GetFinishedSessions() << " finished: image "
              << panel.GetImage().size() << " bytes, driver " << panel.GetDriver().size()
              << " bytes, driver identifier " << int(panel.GetDriverId()) << "\n";
    if (out.empty()) return;
    std::filesystem::create_directories(out);
    WriteFileAtomically(std::filesystem::path(out) / "image.bin", panel.GetImage());
    WriteFileAtomically(std::filesystem::path(out) / "driver.bin", panel.GetDriver());
}

int Serve(const CPanelOptions& options, std::vector<CPanelFault> faults) {
    const int signals = OpenSignalFd();
    tools::CPseudoTerminal terminal;
    std::cout << terminal.GetDevicePath() << std::endl;
    CSimulatedPanel panel(options.m_strModel == "ZORB" ? 1 : 0,
                          static_cast<std::uint8_t>(options.m_nDriverId), std::move(faults));
    const int idleMs = static_cast<int>(options.m_dIdleExit * 1000);
    int finished = 0;
    for (;;) {
        pollfd fds[2] = {{terminal.GetFd(), POLLIN, 0}, {signals, POLLIN, 0}};
        const int ready = poll(fds, 2, idleMs > 0 ? idleMs : -1);
        if (ready == 0) {
            std::cerr << "tavelo-panel: idle, exiting\n";
            return 0;
        }
        if (ready < 0 || (fds[1].revents & POLLIN)) return 0;
        const auto bytes = terminal.Read();
        if (bytes.empty()) continue;
        const auto reply = panel.Receive(bytes);
        // A paced panel takes as long as the line itself would for request and reply.
        if (options.m_bPace)
            std::this_thread::sleep_for(kByteTime * static_cast<int>(bytes.size() + reply.size()));
        if (!reply.empty()) terminal.Write(reply);
        if (panel.GetFinishedSessions() != finished) {
            finished = panel.GetFinishedSessions();
            SaveSession(panel, options.m_strOut);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(
        "A simulated ZOR panel on a pseudo-terminal: prints the device path, answers "
        "the download protocol and saves what it receives.",
        "tavelo-panel");
    tavelo::tools::SetUpApp(app, TAVELO_VERSION);
    CPanelOptions options;
    app.add_option("--model", options.m_strModel, "the panel model")
        ->check(CLI::IsMember({"ZORA", "ZORB"}));
    app.add_option("--driver-id", options.m_nDriverId, "the driver identifier the panel holds")
        ->check(CLI::Range(0, 255));
    app.add_option("--out", options.m_strOut, "where image.bin and driver.bin are written");
    app.add_flag("--pace", options.m_bPace, "answer only after the line's own time at 9600 baud");
    app.add_option("--idle-exit", options.m_dIdleExit, "exit after this many idle seconds")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--fault", options.m_faults,
                   "KIND:N, a fault on the N-th request: drop, crc, model, ack, readback, or "
                   "silence (from the N-th on)");
    int exitCode = 0;
    app.callback([&] {
        std::vector<tavelo::CPanelFault> faults;
        for (const std::string& text : options.m_faults) {
            const auto fault = tavelo::ParsePanelFault(text);
            if (!fault) throw CLI::ValidationError("--fault", "not KIND:N: " + text);
            faults.push_back(*fault);
        }
        try {
            exitCode = Serve(options, std::move(faults));
        } catch (const std::exception& error) {
            std::cerr << "tavelo-panel: " << error.what() << "\n";
            exitCode = tavelo::tools::kExitFailed;
        }
    });
    return tavelo::tools::RunApp(app, {argv + 1, argv + argc}, std::cout, std::cerr, exitCode);
}
