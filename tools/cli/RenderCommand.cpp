#include "RenderCommand.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include "ProjectImage.h"
#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"
#include "emulator/PanelImage.h"
#include "emulator/ScreenRenderer.h"
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
    std::int32_t m_nScale = CLcdPng::kDefaultScale;
    std::string m_strOutput;
    std::string m_strAllScreens;
};

// What one run draws with: the image, the values its screens read and the picture's scale.
struct CRenderSource {
    const CPanelImage& m_image;
    const CVirtualPlc& m_plc;
    std::int32_t m_nScale;
};

// Five digits hold every screen number, so the names sort as the screens do.
std::filesystem::path ScreenPicture(const std::filesystem::path& dir, std::int64_t screen) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%05lld.png", static_cast<long long>(screen));
    return dir / name;
}

bool IsProjectFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".ZORX" || extension == ".ZOR";
}

std::optional<std::vector<std::uint8_t>> ReadImage(CProjectContext& project,
                                                   const std::string& file, std::ostream& err) {
    if (IsProjectFile(file)) {
        std::optional<CDownloadImage> compiled = OpenAndCompile(project, file, err);
        if (!compiled) return std::nullopt;
        return std::move(compiled->m_bytes);
    }
    try {
        return ReadFileBytes(file, kLargestImageFile);
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return std::nullopt;
    }
}

// Without a file every value reads 0.
std::optional<CVirtualPlc> LoadValues(CProjectContext& project, const std::string& file,
                                      std::ostream& err) {
    if (file.empty()) return CVirtualPlc{};
    try {
        return CVirtualPlcFile::Load(file);
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return std::nullopt;
    }
}

bool RenderScreen(CProjectContext& project, const CRenderSource& source, std::int64_t screen,
                  const std::filesystem::path& output, std::ostream& out, std::ostream& err) {
    CLcdFrame frame;
    if (!CScreenRenderer(source.m_image).Render(screen, source.m_plc, frame)) {
        project.Report(err, "screen " + std::to_string(screen) + " is not in the image");
        return false;
    }
    try {
        WriteFileAtomically(output, CLcdPng::Encode(frame, source.m_nScale));
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return false;
    }
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

int Render(const CRenderOptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project(kCommand);
    if (options.m_strOutput.empty() == options.m_strAllScreens.empty()) {
        project.Report(err, "give either -o OUT.png or --all-screens DIR");
        return tools::kExitUsage;
    }
    const std::optional<CVirtualPlc> plc = LoadValues(project, options.m_strValues, err);
    if (!plc) return tools::kExitFailed;
    std::optional<std::vector<std::uint8_t>> bytes = ReadImage(project, options.m_strInput, err);
    if (!bytes) return tools::kExitFailed;
    const CPanelImage image = CPanelImage::Load(std::move(*bytes));
    if (!image.IsLoaded()) {
        project.Report(err, options.m_strInput + ": " + image.GetError());
        return tools::kExitFailed;
    }
    const CRenderSource source{image, *plc, options.m_nScale};
    if (!options.m_strAllScreens.empty())
        return RenderAllScreens(project, source, options.m_strAllScreens, out, err)
                   ? 0
                   : tools::kExitFailed;
    const std::int64_t screen =
        options.m_nScreen.value_or(image.GetContents().m_systemBlock.Value("initialScreen"));
    return RenderScreen(project, source, screen, options.m_strOutput, out, err)
               ? 0
               : tools::kExitFailed;
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
    command->add_option("--values", options->m_strValues,
                        "the PLC values the screens show, a .json or .csv file (default: all 0)");
    command->add_option("--scale", options->m_nScale, "pixels per dot")
        ->check(CLI::Range(CLcdPng::kMinScale, CLcdPng::kMaxScale));
    CLI::Option* output =
        command->add_option("-o,--output", options->m_strOutput, "the PNG file to write");
    command
        ->add_option("--all-screens", options->m_strAllScreens,
                     "the directory to write every screen into, as screen-NNNNN.png")
        ->excludes(screen)
        ->excludes(output);
    command->callback(
        [options, &run] { run.m_nExitCode = Render(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
