#include "TableCommands.h"

#include <memory>
#include <optional>
#include <ostream>

#include "ProjectContext.h"
#include "model/AlarmCsv.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/ScreenCsv.h"
#include "model/TextCodec.h"
#include "tools/common/CliProgram.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

namespace {

// Far beyond any alarm list a spreadsheet keeps for one panel.
constexpr std::uintmax_t kLargestCsvFile = 1u << 20;

struct CAlarmOptions {
    std::string m_strProject;
    std::optional<std::string> m_import;
};

int Alarms(const CAlarmOptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project("tavelo-cli alarms");
    if (!project.Open(options.m_strProject, err)) return tools::kExitFailed;
    if (!options.m_import) {
        out << ExportAlarmCsv(project.m_doc.GetAlarms(), project.m_state);
        return 0;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(*options.m_import, kLargestCsvFile);
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return tools::kExitFailed;
    }
    const CAlarmImport imported = ImportAlarmCsv(std::string(bytes.begin(), bytes.end()),
                                                 project.m_doc.GetAlarms(), project.m_state);
    for (const std::u16string& note : imported.m_notes) project.Report(err, ShownUtf8(note));
    if (!project.Save(options.m_strProject, err)) return tools::kExitFailed;
    out << imported.m_nImported << " alarms imported\n";
    return 0;
}

}  // namespace

void AddAlarmsCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CAlarmOptions>();
    CLI::App* command = app.add_subcommand(
        "alarms", "print the alarm list as CSV, or replace it from a CSV file and save");
    command->add_option("PROJECT", options->m_strProject, "a project file (.ZORX or .ZOR)")
        ->required();
    command->add_option("--import", options->m_import, "a CSV file of alarm texts to take");
    command->callback(
        [options, &run] { run.m_nExitCode = Alarms(*options, run.m_out, run.m_err); });
}

void AddScreensCommand(CLI::App& app, CCommandRun& run) {
    AddShowProjectCommand(app, run, "screens",
                          "print the screens' numbers, descriptions and targets as CSV",
                          [](const CProjectContext& project, const std::filesystem::path&,
                             std::ostream& out) { out << ExportScreenCsv(project.m_doc); });
}

}  // namespace tavelo::cli
