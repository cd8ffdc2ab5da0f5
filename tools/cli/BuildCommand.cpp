#include "BuildCommand.h"

#include <memory>
#include <ostream>

#include "ProjectImage.h"
#include "compiler/ImageLayout.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli build";
constexpr const char* kImageExtension = ".img";

struct CBuildOptions {
    std::string m_strProject;
    std::string m_strImage;
    bool m_bStrict = false;
};

void WriteSummary(const CDownloadImage& image, const std::filesystem::path& file,
                  std::ostream& out) {
    out << file.string() << ": " << image.GetLength() << " bytes, " << image.m_bytes.size()
        << " with padding, " << image.GetBlockCount() << " blocks\n";
    const CImageLayout& layout = image.m_layout;
    out << "glyphs: " << layout.m_nWideCount << " wide, " << layout.m_nVectorCount << " vector, "
        << layout.m_nGraphicCount << " graphics, " << layout.m_nNarrowCount << " narrow\n";
    for (std::size_t i = 0; i < kImageAreaCount; ++i) {
        const CImageArea& area = layout.m_areas[i];
        out << "  " << ImageAreaName(static_cast<EImageArea>(i)) << ": " << area.m_nSize
            << " bytes at " << area.m_nOffset << "\n";
    }
}

int Build(const CBuildOptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project(kCommand);
    const std::optional<CDownloadImage> compiled =
        OpenCheckAndCompile(project, options.m_strProject, err, options.m_bStrict);
    if (!compiled) return tools::kExitFailed;
    std::filesystem::path image = options.m_strImage;
    if (image.empty())
        image = std::filesystem::path(options.m_strProject).replace_extension(kImageExtension);
    try {
        WriteFileAtomically(image, compiled->m_bytes);
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return tools::kExitFailed;
    }
    WriteSummary(*compiled, image, out);
    return 0;
}

}  // namespace

void AddBuildCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CBuildOptions>();
    CLI::App* command = app.add_subcommand(
        "build", "compile a project into the panel's download image (default: PROJECT.img)");
    command->add_option("PROJECT", options->m_strProject, "a project file (.ZORX or .ZOR)")
        ->required();
    command->add_option("-o,--output", options->m_strImage, "the image file to write");
    command->add_flag("--strict", options->m_bStrict, "refuse a project with warnings, too");
    command->callback([options, &run] { run.m_nExitCode = Build(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
