#include "RenderCommand.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include "PanelSource.h"
#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"
#include "emulator/PanelDisplay.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"
#include "emulator/VirtualPlcFile.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli render";

struct CRenderOptions {
    std::string m_strInput;
    std::optional<std::int64_t> m_nScreen;
    std::string m_strValues;
    std::string m_strKeys;
    std::string m_strSaveValues;
    std::int32_t m_nScale = CLcdPng::kDefaultScale;
    std::string m_strOutput;
    std::string m_strAllScreens;
    std::string m_strModbus;
};

// What one run draws with: the image, the values its screens read, the trend samples taken once
// at the start and the picture's scale.
struct CRenderSource {
    const CScreenRenderer& m_renderer;
    const CPanelImage& m_image;
    const CVirtualPlc& m_plc;
    const CTrendHistory& m_trends;
    std::int32_t m_nScale;
};

// Five digits hold every screen number, so the names sort as the screens do.
std::filesystem::path ScreenPicture(const std::filesystem::path& dir, std::int64_t screen) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%05lld.png", static_cast<long long>(screen));
    return dir / name;
}

bool WritePicture(CProjectContext& project, const CLcdFrame& frame, std::int32_t scale,
                  const std::filesystem::path& output, std::ostream& err) {
    try {
        WriteFileAtomically(output, CLcdPng::Encode(frame, scale));
        return true;
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return false;
    }
}

bool RenderScreen(CProjectContext& project, const CRenderSource& source, std::int64_t screen,
                  const std::filesystem::path& output, std::ostream& out, std::ostream& err) {
    CLcdFrame frame;
    if (!source.m_renderer.Render(screen, source.m_plc, frame, &source.m_trends)) {
        project.Report(err, "screen " + std::to_string(screen) + " is not in the image");
        return false;
    }
    if (!WritePicture(project, frame, source.m_nScale, output, err)) return false;
    out << output.string() << ": screen " << screen << "\n";
    return true;
}

bool RenderAllScreens(CProjectContext& project, const CRenderSource& source,
                      const std::filesystem::path& dir, std::ostream& out, std::ostream& err) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        project.Report(err, dir.string() + ": " + error.message());
        return false;
    }
    for (const CImageScreen& screen : source.m_image.GetContents().m_screens) {
        const std::int64_t number = screen.m_entry.Value("number");
        if (!RenderScreen(project, source, number, ScreenPicture(dir, number), out, err))
            return false;
    }
    return true;
}

// The panel from its initial screen after the keys, as its display shows it.
bool RenderAfterKeys(CProjectContext& project, const CRenderSource& source,
                     const std::vector<EPanelKey>& keys, CVirtualPlc& plc,
                     const std::filesystem::path& output, std::ostream& out, std::ostream& err) {
    CPanelEmulator panel(source.m_image, plc);
    for (const EPanelKey key : keys) panel.Tap(key);
    CLcdFrame frame;
    DrawPanel(panel, source.m_renderer, plc, &source.m_trends, frame);
    if (!WritePicture(project, frame, source.m_nScale, output, err)) return false;
    out << output.string() << ": screen " << panel.GetShownScreen();
    if (panel.GetPage() != EPanelPage::Screen) out << ", " << PageName(panel.GetPage()) << " page";
    out << "\n";
    return true;
}

bool SaveValues(CProjectContext& project, const CVirtualPlc& plc, const std::string& file,
                std::ostream& err) {
    try {
        CVirtualPlcFile::Save(file, plc);
        return true;
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return false;
    }
}

// Every address the image uses, read once from the device into the virtual PLC; the picture is
// still, so keys given with it write to that copy only, never to the device.
bool ReadDevice(CProjectContext& project, const std::string& link, const CPanelImage& image,
                CVirtualPlc& plc, std::ostream& err) {
    const std::unique_ptr<CModbusPoller> poller = OpenModbus(project, link, image, err);
    if (!poller) return false;
    std::vector<CPollAddress> addresses;
    for (const CPlcAddressUse& use : CPlcAddressList(image).GetUses())
        addresses.push_back(use.m_address);
    poller->SetPolled(addresses);
    if (!WaitForDevice(project, *poller, err)) return false;
    for (const CPollAddress& address : addresses) plc.Write(address, poller->Read(address));
    return true;
}

bool Draw(CProjectContext& project, const CRenderOptions& options, const CKeyScript& script,
          std::ostream& out, std::ostream& err) {
    std::optional<CVirtualPlc> plc = LoadValues(project, options.m_strValues, err);
    if (!plc) return false;
    const std::optional<CBuiltInDigits> digits = LoadBuiltInDigits(project, err);
    if (!digits) return false;
    const std::optional<CPanelImage> image = LoadPanelImage(project, options.m_strInput, err);
    if (!image) return false;
    if (!options.m_strModbus.empty() && !ReadDevice(project, options.m_strModbus, *image, *plc, err))
        return false;
    const CScreenRenderer renderer(*image, *digits);
    // A still picture: every trend graph shows the one sample taken as the picture is drawn.
    CTrendHistory trends(*image);
    trends.Sample(std::chrono::milliseconds{0}, *plc);
    const CRenderSource source{renderer, *image, *plc, trends, options.m_nScale};
    bool drawn = false;
    if (!options.m_strAllScreens.empty()) {
        drawn = RenderAllScreens(project, source, options.m_strAllScreens, out, err);
    } else if (!options.m_strKeys.empty()) {
        drawn =
            RenderAfterKeys(project, source, script.m_keys, *plc, options.m_strOutput, out, err);
    } else {
        const std::int64_t initial = image->GetContents().m_systemBlock.Value("initialScreen");
        drawn = RenderScreen(project, source, options.m_nScreen.value_or(initial),
                             options.m_strOutput, out, err);
    }
    return drawn && (options.m_strSaveValues.empty() ||
                     SaveValues(project, *plc, options.m_strSaveValues, err));
}

int Render(const CRenderOptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project(kCommand);
    if (options.m_strOutput.empty() == options.m_strAllScreens.empty()) {
        project.Report(err, "give either -o OUT.png or --all-screens DIR");
        return tools::kExitUsage;
    }
    const CKeyScript script = ParseKeys(options.m_strKeys);
    if (!script.m_strUnknown.empty()) {
        project.Report(err, "\"" + script.m_strUnknown + "\" is not a key of the panel");
        return tools::kExitUsage;
    }
    return Draw(project, options, script, out, err) ? 0 : tools::kExitFailed;
}

}  // namespace

void AddRenderCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CRenderOptions>();
    CLI::App* command =
        app.add_subcommand("render", "draw one screen of the panel's LCD into a PNG picture");
    command
        ->add_option("INPUT", options->m_strInput, "a project (.ZORX or .ZOR) or a download image")
        ->required();
    CLI::Option* screen = command->add_option("--screen", options->m_nScreen,
                                              "the screen number (default: the initial screen)");
    CLI::Option* values = command->add_option(
        "--values", options->m_strValues,
        "the PLC values the screens show, a .json or .csv file (default: all 0)");
    CLI::Option* keys =
        command
            ->add_option(
                "--keys", options->m_strKeys,
                "keys tapped from the initial screen before drawing, e.g. \"F1 SET 1 ENT\"")
            ->excludes(screen);
    CLI::Option* modbus = command->add_option(
        "--modbus", options->m_strModbus,
        "read the values from a Modbus device instead: tcp:HOST[:PORT] or rtu:DEVICE (the "
        "project's baud, parity, bits and stations)");
    modbus->excludes(values);
    command->add_option("--save-values", options->m_strSaveValues,
                        "write the PLC values as the keys left them, a .json or .csv file");
    command->add_option("--scale", options->m_nScale, "pixels per dot")
        ->check(CLI::Range(CLcdPng::kMinScale, CLcdPng::kMaxScale));
    CLI::Option* output =
        command->add_option("-o,--output", options->m_strOutput, "the PNG file to write");
    command
        ->add_option("--all-screens", options->m_strAllScreens,
                     "the directory to write every screen into, as screen-NNNNN.png")
        ->excludes(screen)
        ->excludes(output)
        ->excludes(keys);
    command->callback(
        [options, &run] { run.m_nExitCode = Render(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
