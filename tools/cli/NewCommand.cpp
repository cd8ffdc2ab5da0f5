#include <optional>
#include <ostream>

#include "ProjectCommands.h"
#include "ProjectContext.h"
#include "model/ArchiveError.h"
#include "model/FileError.h"
#include "model/NewProject.h"
#include "model/TextCodec.h"
#include "plc/LinkSettingsForm.h"
#include "plc/PlcTypeFile.h"

namespace tavelo::cli {

namespace {

constexpr const char* kCommand = "tavelo-cli new";
// Save As offers this extension when the name has none.
constexpr const char* kProjectExtension = ".ZORX";

struct CNewOptions {
    std::filesystem::path m_file;
    std::int32_t m_nModelIndex = CAppState::kModelZorA;
    std::optional<int> m_plcIndex;
    bool m_bForce = false;
};

std::optional<int> ParseIndex(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

bool ParseNewOptions(const Arguments& args, CNewOptions& options, std::ostream& err) {
    auto fail = [&err](const std::string& message) {
        err << kCommand << ": " << message << "; see tavelo-cli --help\n";
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--force") {
            options.m_bForce = true;
        } else if (arg == "--model") {
            if (!hasValue || (args[i + 1] != "ZORA" && args[i + 1] != "ZORB"))
                return fail("--model takes ZORA or ZORB");
            options.m_nModelIndex =
                args[++i] == "ZORB" ? CAppState::kModelZorB : CAppState::kModelZorA;
        } else if (arg == "--plc") {
            options.m_plcIndex = hasValue ? ParseIndex(args[i + 1]) : std::nullopt;
            if (!options.m_plcIndex) return fail("--plc takes the position of a PLC type");
            ++i;
        } else if (!arg.empty() && arg[0] == '-') {
            return fail("unknown option \"" + arg + "\"");
        } else if (!options.m_file.empty()) {
            return fail("only one FILE may be given");
        } else {
            options.m_file = arg;
        }
    }
    if (options.m_file.empty()) return fail("new needs the FILE to create");
    if (!options.m_file.has_extension()) options.m_file += kProjectExtension;
    return true;
}

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
        return ToUtf8(message) + " (" + ToUtf8(form.GetPlcTypeNames().at(refused)) + ")";
    }
    form.Ok();
    return {};
}

}  // namespace

int RunNewCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    CNewOptions options;
    if (!ParseNewOptions(args, options, err)) return 2;
    CProjectContext project(kCommand);
    const std::filesystem::path plcFile = CPlcTypeFile::DefaultPath();
    if (!CPlcTypeFile::IsPresent(plcFile)) {
        project.Report(err,
                       ToUtf8(kInstallFirstMessage) + " (" + plcFile.string() + " cannot be read)");
        return 1;
    }
    if (std::filesystem::exists(options.m_file) && !options.m_bForce) {
        project.Report(err, options.m_file.string() + " exists; add --force to replace it");
        return 1;
    }
    MakeNewProject(project.m_doc);
    project.m_state.m_nModelIndex = options.m_nModelIndex;
    try {
        const std::string refusal = ChoosePlcType(project, plcFile, options.m_plcIndex);
        if (!refusal.empty()) {
            project.Report(err, refusal);
            return 1;
        }
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return 1;
    } catch (const CArchiveError& error) {
        project.Report(err, plcFile.string() + ": " + error.what());
        return 1;
    }
    if (!project.Save(options.m_file, err)) return 1;
    out << options.m_file.string() << ": new " << ToUtf8(project.m_state.GetModelName())
        << " project for PLC type " << int{project.m_state.m_nPlcListIndex} << " "
        << ToUtf8(project.m_state.m_currentPlc.GetName()) << "\n";
    return 0;
}

}  // namespace tavelo::cli
