#include "EmulateCommand.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

#include "LcdBlockArt.h"
#include "PanelSource.h"
#include "emulator/LcdFrame.h"
#include "emulator/PanelDisplay.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli emulate";
// Cursor home and clear screen: the next frame replaces the last.
constexpr const char* kClearTerminal = "\x1b[H\x1b[2J";
// A longer wait could overflow the clock and shows nothing a shorter one does not.
constexpr std::int64_t kLongestWaitSeconds = 1'000'000'000;

struct CEmulateOptions {
    std::string m_strInput;
    std::string m_strValues;
    std::string m_strModbus;
};

bool IsWord(std::string word, std::string_view expected) {
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word == expected;
}

std::optional<std::int64_t> WaitSeconds(const std::string& word) {
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), seconds);
    if (error != std::errc{} || end != word.data() + word.size() || seconds < 0 ||
        seconds > kLongestWaitSeconds)
        return std::nullopt;
    return seconds;
}

// The panel, its PLC and the trend history on one clock, driven by the words of the input.
// The PLC is the virtual one, or a device that is polled before each frame.
class CEmulation {
public:
    CEmulation(const CPanelImage& image, const CBuiltInDigits& digits, CVirtualPlc plc,
               std::unique_ptr<CModbusPoller> device)
        : m_plc(std::move(plc)),
          m_device(std::move(device)),
          m_memory(m_device ? static_cast<IPlcMemory&>(*m_device) : m_plc),
          m_addresses(image),
          m_panel(image, m_memory),
          m_renderer(image, digits),
          m_trends(image) {
        Poll();
        m_trends.Sample(m_clock, m_memory);
    }

    // Runs the words of one line; false once it says "quit". Each word not understood adds a
    // message to problems.
    bool RunLine(const std::string& line, std::vector<std::string>& problems) {
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            if (IsWord(word, "quit")) return false;
            if (IsWord(word, "wait")) {
                std::string count;
                words >> count;
                const std::optional<std::int64_t> seconds = WaitSeconds(count);
                if (seconds) {
                    Wait(std::chrono::seconds{*seconds});
                } else {
                    problems.push_back("wait takes a whole number of seconds, not \"" + count +
                                       "\"");
                }
            } else if (const std::optional<EPanelKey> key = PanelKeyFromName(word)) {
                m_panel.Tap(*key);
            } else {
                problems.push_back("\"" + word + "\" is not a key, wait N or quit");
            }
        }
        return true;
    }

    // The LCD in block characters and the status line under it (and the device's faults).
    std::string Show() {
        const std::string faults = Poll();
        CLcdFrame frame;
        DrawPanel(m_panel, m_renderer, m_memory, &m_trends, frame);
        const bool entryRefused = m_panel.IsEntryRefused();
        const bool passwordRefused = m_panel.IsPasswordRefused();
        std::string refused = entryRefused && passwordRefused ? "entry, password"
                              : entryRefused                  ? "entry"
                              : passwordRefused               ? "password"
                                                              : "none";
        return ToBlockArt(frame) + "screen " + std::to_string(m_panel.GetShownScreen()) +
               " | page " + PageName(m_panel.GetPage()) + " | typed \"" + m_panel.GetTyped() +
               "\" | refused " + refused + " | backlight " +
               (m_panel.IsBacklightOn() ? "on" : "off") + "\n" +
               (faults.empty() ? "" : "modbus: " + faults + "\n");
    }

private:
    // Sends the keys' writes and reads the shown screen's addresses; the faults, if any.
    std::string Poll() {
        if (!m_device) return {};
        m_device->SetPolled(m_addresses.PolledOn(m_panel.GetShownScreen()));
        if (!m_device->WaitForCycle(kLongestPoll)) return "the device did not answer in time";
        return m_device->GetStatus();
    }

    void Wait(std::chrono::milliseconds time) {
        m_panel.Elapse(time);
        m_clock += time;
        m_trends.Sample(m_clock, m_memory);
    }

    static constexpr std::chrono::seconds kLongestPoll{60};

    CVirtualPlc m_plc;
    std::unique_ptr<CModbusPoller> m_device;
    IPlcMemory& m_memory;
    CPlcAddressList m_addresses;
    CPanelEmulator m_panel;
    CScreenRenderer m_renderer;
    CTrendHistory m_trends;
    std::chrono::milliseconds m_clock{0};
};

int Emulate(const CEmulateOptions& options, const CCommandRun& run) {
    CProjectContext project(kCommand);
    std::optional<CVirtualPlc> plc = LoadValues(project, options.m_strValues, run.m_err);
    if (!plc) return tools::kExitFailed;
    const std::optional<CBuiltInDigits> digits = LoadBuiltInDigits(project, run.m_err);
    if (!digits) return tools::kExitFailed;
    const std::optional<CPanelImage> image = LoadPanelImage(project, options.m_strInput, run.m_err);
    if (!image) return tools::kExitFailed;
    std::unique_ptr<CModbusPoller> device;
    if (!options.m_strModbus.empty()) {
        device = OpenModbus(project, options.m_strModbus, *image, run.m_err);
        if (!device) return tools::kExitFailed;
    }
    CEmulation emulation(*image, *digits, std::move(*plc), std::move(device));
    // Problems follow the frame, so a terminal's redraw does not wipe them.
    std::vector<std::string> problems;
    bool running = true;
    for (std::string line;;) {
        if (run.m_bTerminal) run.m_out << kClearTerminal;
        run.m_out << emulation.Show() << std::flush;
        for (const std::string& problem : problems) project.Report(run.m_err, problem);
        problems.clear();
        if (!running || !std::getline(run.m_in, line)) break;
        running = emulation.RunLine(line, problems);
    }
    return 0;
}

}  // namespace

void AddEmulateCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CEmulateOptions>();
    CLI::App* command = app.add_subcommand(
        "emulate", "run the panel on a terminal, keys typed as words on standard input");
    command
        ->add_option("INPUT", options->m_strInput, "a project (.ZORX or .ZOR) or a download image")
        ->required();
    CLI::Option* values = command->add_option(
        "--values", options->m_strValues,
        "the PLC values to start with, a .json or .csv file (default: all 0)");
    command
        ->add_option("--modbus", options->m_strModbus,
                     "run against a Modbus device instead: tcp:HOST[:PORT] or rtu:DEVICE (the "
                     "project's baud, parity, bits and stations)")
        ->excludes(values);
    command->callback([options, &run] { run.m_nExitCode = Emulate(*options, run); });
}

}  // namespace tavelo::cli
