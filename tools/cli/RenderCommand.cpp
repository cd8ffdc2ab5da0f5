#include "RenderCommand.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <ostream>

#include "ProjectImage.h"
#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"
#include "emulator/PanelImage.h"
#include "emulator/ScreenRenderer.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli render";

struct CRenderOptions {
    std::string m_strInput;
    std::optional<std::int64_t> m_nScreen;
    std::int32_t m_nScale = CLcdPng::kDefaultScale;
    std::string m_strOutput;
};

// Nothing is polled yet: every PLC value reads 0.
class CNoPlc : public IPolledValues {
public:
    std::int64_t Read(const CPollAddress&) const override { return 0; }
};

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

int Render(const CRenderOptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project(kCommand);
    std::optional<std::vector<std::uint8_t>> bytes = ReadImage(project, options.m_strInput, err);
    if (!bytes) return tools::kExitFailed;
    const CPanelImage image = CPanelImage::Load(std::move(*bytes));
    if (!image.IsLoaded()) {
        project.Report(err, options.m_strInput + ": " + image.GetError());
        return tools::kExitFailed;
    }
    const std::int64_t screen =
        options.m_nScreen.value_or(image.GetContents().m_systemBlock.Value("initialScreen"));
    CLcdFrame frame;
    if (!CScreenRenderer(image).Render(screen, CNoPlc{}, frame)) {
        project.Report(err, "screen " + std::to_string(screen) + " is not in the image");
        return tools::kExitFailed;
    }
    try {
        WriteFileAtomically(options.m_strOutput, CLcdPng::Encode(frame, options.m_nScale));
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return tools::kExitFailed;
    }
    out << options.m_strOutput << ": screen " << screen << "\n";
    return 0;
}

}  // namespace

void AddRenderCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CRenderOptions>();
    CLI::App* command =
        app.add_subcommand("render", "draw one screen of the panel's LCD into a PNG picture");
    command
        ->add_option("INPUT", options->m_strInput, "a project (.ZORX or .ZOR) or a download image")
        ->required();
    command->add_option("--screen", options->m_nScreen,
                        "the screen number (default: the initial screen)");
    command->add_option("--scale", options->m_nScale, "pixels per dot")
        ->check(CLI::Range(CLcdPng::kMinScale, CLcdPng::kMaxScale));
    command->add_option("-o,--output", options->m_strOutput, "the PNG file to write")->required();
    command->callback(
        [options, &run] { run.m_nExitCode = Render(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
