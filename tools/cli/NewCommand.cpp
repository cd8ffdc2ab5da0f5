#include <memory>
#include <optional>
#include <ostream>

#include "ProjectCommands.h"
#include "ProjectContext.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "model/NewProject.h"
#include "model/ProjectFileName.h"
#include "model/TextCodec.h"
#include "plc/LinkSettingsForm.h"
#include "plc/PlcTypeFile.h"
#include "tools/common/CliProgram.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli new";

struct CNewOptions {
    std::string m_strFile;
    std::string m_strModel = "ZORA";
    std::optional<int> m_plcIndex;
    bool m_bForce = false;
};

// Runs the PLC and link dialog as New does: opened, optionally a PLC type picked, confirmed.
// Returns the message that stops the command, empty when the settings were taken.
std::string ChoosePlcType(CProjectContext& project, const std::filesystem::path& plcFile,
                          std::optional<int> plcIndex) {
    CLinkSettingsForm form(project.m_doc.GetLink(), project.m_state,
                           [&plcFile] { return CPlcTypeFile::Load(plcFile); });
    std::u16string message = form.GetOpeningMessage();
    if (plcIndex) {
        const auto count = form.GetPlcTypeNames().size();
        if (static_cast<std::size_t>(*plcIndex) >= count)
            return "there is no PLC type at position " + std::to_string(*plcIndex) + " (" +
                   plcFile.string() + " lists " + std::to_string(count) + ")";
        message = form.SelectPlcType(*plcIndex);
    }
    if (!message.empty()) {
        const int refused = form.GetPlcTypeSelection();
        form.Cancel();
        return ShownUtf8(message) + " (" + ToUtf8(form.GetPlcTypeNames().at(refused)) + ")";
    }
    form.Ok();
    return {};
}

int MakeProject(const CNewOptions& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path file = ProjectPathForSaving(options.m_strFile);
    CProjectContext project(kCommand);
    const std::filesystem::path plcFile = CPlcTypeFile::DefaultPath();
    if (!CPlcTypeFile::IsPresent(plcFile)) {
        project.Report(
            err, ShownUtf8(kInstallFirstMessage) + " (" + plcFile.string() + " cannot be read)");
        return tools::kExitFailed;
    }
    if (std::filesystem::exists(file) && !options.m_bForce) {
        project.Report(err, file.string() + " exists; add --force to replace it");
        return tools::kExitFailed;
    }
    MakeNewProject(project.m_doc);
    project.m_state.m_nModelIndex =
        options.m_strModel == "ZORB" ? CAppState::kModelZorB : CAppState::kModelZorA;
    try {
        const std::string refusal = ChoosePlcType(project, plcFile, options.m_plcIndex);
        if (!refusal.empty()) {
            project.Report(err, refusal);
            return tools::kExitFailed;
        }
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return tools::kExitFailed;
    } catch (const CArchiveError& error) {
        project.Report(err, plcFile.string() + ": " + error.what());
        return tools::kExitFailed;
    }
    if (!project.Save(file, err, options.m_bForce)) return tools::kExitFailed;
    out << file.string() << ": new " << ToUtf8(project.m_state.GetModelName())
        << " project for PLC type " << int{project.m_state.m_nPlcListIndex} << " "
        << ToUtf8(project.m_state.m_currentPlc.GetName()) << "\n";
    return 0;
}

}  // namespace

void AddNewCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CNewOptions>();
    CLI::App* command = app.add_subcommand(
        "new",
        "make a new project as New does and save it (.ZORX when FILE has no extension or "
        "a .zorx spelt otherwise)");
    command->add_option("FILE", options->m_strFile, "the project file to create")->required();
    command->add_option("--model", options->m_strModel, "the panel model (default ZORA)")
        ->check(CLI::IsMember({"ZORA", "ZORB"}));
    command->add_option("--plc", options->m_plcIndex, "the position of the PLC type to pick")
        ->check(CLI::Validator(
            [](const std::string& text) {
                return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos
                           ? std::string()
                           : "takes the position of a PLC type: 0, 1, 2, ...";
            },
            "INDEX"));
    command->add_flag("--force", options->m_bForce, "replace an existing FILE");
    command->callback(
        [options, &run] { run.m_nExitCode = MakeProject(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
