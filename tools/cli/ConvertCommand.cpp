#include <memory>
#include <ostream>

#include "ProjectCommands.h"
#include "ProjectContext.h"
#include "model/ProjectFileName.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

namespace {

struct CConvertFiles {
    std::string m_strIn;
    std::string m_strOut;
    bool m_bForce = false;
};

int Convert(const CConvertFiles& files, std::ostream& out, std::ostream& err) {
    CProjectContext project("tavelo-cli convert");
    if (LosesStationNumbers(files.m_strOut))
        project.Report(err, "warning: " + files.m_strOut +
                                " is not named exactly .ZORX, so station numbers are not stored");
    // Reading and writing through the document, so the target's name decides its layout.
    if (!project.Open(files.m_strIn, err) || !project.Save(files.m_strOut, err, files.m_bForce))
        return tools::kExitFailed;
    out << files.m_strIn << " -> " << files.m_strOut << "\n";
    return 0;
}

}  // namespace

void AddConvertCommand(CLI::App& app, CCommandRun& run) {
    auto files = std::make_shared<CConvertFiles>();
    CLI::App* command = app.add_subcommand(
        "convert",
        "read IN and save it as OUT; OUT's extension decides the layout (.ZORX stores station "
        "numbers, any other name does not)");
    command->add_option("IN", files->m_strIn, "the project to read")->required();
    command->add_option("OUT", files->m_strOut, "the file to write")->required();
    command->add_flag("--force", files->m_bForce, "replace OUT even when it is read-only");
    command->callback([files, &run] { run.m_nExitCode = Convert(*files, run.m_out, run.m_err); });
}

}  // namespace tavelo::cli
