#include "DownloadCommand.h"

#include <unistd.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "InterruptWatch.h"
#include "ProjectImage.h"
#include "link/qt/Download.h"
#include "link/qt/QtSerialPort.h"
#include "model/TextCodec.h"
#include "tools/common/CliProgram.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli download";
constexpr int kBarWidth = 40;
// Without a terminal, a line every this many percent.
constexpr int kLineStep = 10;

struct CDownloadOptions {
    std::string m_strProject;
    std::string m_strPort;
    std::string m_strComPrefix = kDefaultComPrefix;
    std::optional<std::string> m_drivers;
    std::optional<std::string> m_log;
};

// A bar redrawn in place on a terminal, plain lines otherwise.
class CProgressPrinter {
public:
    explicit CProgressPrinter(std::ostream& out)
        : m_out(out), m_bTerminal(&out == &std::cout && isatty(STDOUT_FILENO)) {}

    void Show(int percent) {
        if (m_bTerminal) {
            const int filled = percent * kBarWidth / 100;
            m_out << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.')
                  << "] " << percent << "%" << std::flush;
            m_bLineOpen = true;
        } else if (percent >= m_nNextLine) {
            m_out << percent << "%\n";
            m_nNextLine = percent / kLineStep * kLineStep + kLineStep;
        }
    }
    // Ends the bar's line, once, so what follows starts on a line of its own.
    void Finish() {
        if (m_bLineOpen) m_out << "\n" << std::flush;
        m_bLineOpen = false;
    }

private:
    std::ostream& m_out;
    bool m_bTerminal;
    bool m_bLineOpen = false;
    int m_nNextLine = 0;
};

int Download(const CDownloadOptions& options, std::ostream& out, std::ostream& err) {
    // From here on Ctrl+C cancels: the session closes the line and the result is printed.
    CInterruptWatch interrupt;
    CProjectContext project(kCommand);
    std::optional<CDownloadImage> image = OpenAndCompile(project, options.m_strProject, err);
    if (!image) return tools::kExitFailed;
    std::ofstream frameLog;
    if (options.m_log) {
        frameLog.open(*options.m_log);
        if (!frameLog) {
            project.Report(err, *options.m_log + ": cannot be written");
            return tools::kExitFailed;
        }
    }
    CProgressPrinter progress(out);
    CDownloadRequest request;
    request.m_nBlockCount = image->GetBlockCount();
    request.m_image = std::move(image->m_bytes);
    request.m_nPlcListIndex = project.m_state.m_nPlcListIndex;
    request.m_nModelIndex = project.m_state.m_nModelIndex;
    request.m_strPort = options.m_strPort;
    request.m_strComPrefix = options.m_strComPrefix;
    if (options.m_drivers) request.m_driversFolder = *options.m_drivers;
    request.m_pLog = &err;
    if (options.m_log) request.m_pFrameLog = &frameLog;
    request.m_progress = [&progress](int percent) { progress.Show(percent); };
    request.m_pCancel = &interrupt.GetCancelFlag();
    request.m_cancelling = [&progress, &err] {
        progress.Finish();
        err << kCommand << ": cancelling; press Ctrl+C again to quit at once" << std::endl;
    };
    const CDownloadReport report = RunDownload(request);
    progress.Finish();
    out << ShownUtf8(report.m_strMessage) << "\n";
    if (report.m_bSucceeded) return 0;
    const int signal = interrupt.GetSignal();
    return signal ? CInterruptWatch::kExitSignalBase + signal : tools::kExitFailed;
}

}  // namespace

void AddDownloadCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CDownloadOptions>();
    CLI::App* command = app.add_subcommand(
        "download", "compile a project and write it to the panel over a serial port");
    command->add_option("PROJECT", options->m_strProject, "a project file (.ZORX or .ZOR)")
        ->required();
    command->add_option("--port", options->m_strPort, "COM1 to COM4, or a device path")->required();
    command->add_option("--com-prefix", options->m_strComPrefix,
                        "the device COMn stands for, with n - 1 after it (default /dev/ttyS)");
    command->add_option("--drivers", options->m_drivers,
                        "the folder with the panel maker's PLC driver files");
    command->add_option("--log", options->m_log,
                        "write every frame sent and received, timed and decoded, to this file");
    command->callback(
        [options, &run] { run.m_nExitCode = Download(*options, run.m_out, run.m_err); });
}

void AddPortsCommand(CLI::App& app, CCommandRun& run) {
    CLI::App* command = app.add_subcommand("ports", "list the serial ports of this machine");
    command->callback([&run] {
        for (const std::string& port : ListSerialPorts()) run.m_out << port << "\n";
    });
}

}  // namespace tavelo::cli
