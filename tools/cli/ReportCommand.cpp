#include "ReportCommand.h"

#include <QGuiApplication>
#include <memory>
#include <optional>
#include <ostream>

#include "ProjectImage.h"
#include "model/FileError.h"
#include "report/CommissioningReport.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

struct CReportOptions {
    std::string m_strProject;
    std::string m_strOutput;
};

int Report(const CReportOptions& options, std::ostream& out, std::ostream& err) {
    CProjectContext project("tavelo-cli report");
    const std::optional<CCheckResult> checked = OpenAndCheck(project, options.m_strProject, err);
    if (!checked) return tools::kExitFailed;
    // Fonts and the PDF painter need a GUI application; no window is ever shown. Its
    // arguments outlive it.
    int argc = 1;
    char name[] = "tavelo-cli";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    try {
        const std::filesystem::path file(options.m_strProject);
        const int pages = WriteCommissioningReport(project.m_doc, project.m_state, *checked,
                                                   QString::fromStdString(file.filename().string()),
                                                   options.m_strOutput);
        out << options.m_strOutput << ": " << pages << " pages\n";
        return 0;
    } catch (const CFileError& error) {
        project.Report(err, error.what());
        return tools::kExitFailed;
    }
}

}  // namespace

void AddReportCommand(CLI::App& app, CCommandRun& run) {
    auto options = std::make_shared<CReportOptions>();
    CLI::App* command =
        app.add_subcommand("report", "print the commissioning report of a project as a PDF file");
    command->add_option("PROJECT", options->m_strProject, "a project file (.ZORX or .ZOR)")
        ->required();
    command->add_option("-o,--output", options->m_strOutput, "the PDF file to write")->required();
    command->callback(
        [options, &run] { run.m_nExitCode = Report(*options, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
