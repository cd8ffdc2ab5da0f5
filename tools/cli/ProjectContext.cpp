#include "ProjectContext.h"

#include <memory>
#include <ostream>

#include "elements/ElementClasses.h"
#include "model/FileError.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

CProjectContext::CProjectContext(std::string command) : m_strCommand(std::move(command)) {
    RegisterModelClasses(m_registry);
    RegisterElementClasses(m_registry);
}

bool CProjectContext::Open(const std::filesystem::path& file, std::ostream& err) {
    try {
        CProjectFile::Open(file, m_registry, m_doc, m_state);
        return true;
    } catch (const CFileError& error) {
        Report(err, error.what());
        return false;
    }
}

bool CProjectContext::Save(const std::filesystem::path& file, std::ostream& err, bool bForce) {
    try {
        CProjectFile::Save(m_doc, m_state, file,
                           bForce ? EReadOnlyTarget::kReplace : EReadOnlyTarget::kRefuse);
        return true;
    } catch (const CReadOnlyFileError& error) {
        Report(err, std::string(error.what()) + "; add --force to replace it");
        return false;
    } catch (const CFileError& error) {
        Report(err, error.what());
        return false;
    }
}

void CProjectContext::Report(std::ostream& err, const std::string& message) const {
    err << m_strCommand << ": " << message << "\n";
}

void AddShowProjectCommand(CLI::App& app, CCommandRun& run, const std::string& name,
                           const std::string& description, ShowFunction show) {
    auto file = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("FILE", *file, "a project file (.ZORX or .ZOR)")->required();
    command->callback([file, name, show = std::move(show), &run] {
        CProjectContext project("tavelo-cli " + name);
        if (!project.Open(*file, run.m_err)) {
            run.m_nExitCode = tools::kExitFailed;
            return;
        }
        show(project, *file, run.m_out);
    });
}

}  // namespace tavelo::cli
