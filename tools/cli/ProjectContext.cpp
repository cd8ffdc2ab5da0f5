#include "ProjectContext.h"

#include <ostream>

#include "elements/ElementClasses.h"
#include "model/FileError.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"

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

bool CProjectContext::Save(const std::filesystem::path& file, std::ostream& err) {
    try {
        CProjectFile::Save(m_doc, m_state, file);
        return true;
    } catch (const CFileError& error) {
        Report(err, error.what());
        return false;
    }
}

void CProjectContext::Report(std::ostream& err, const std::string& message) const {
    err << m_strCommand << ": " << message << "\n";
}

std::optional<std::vector<std::filesystem::path>> FileArguments(const Arguments& args,
                                                                std::size_t count,
                                                                const std::string& command,
                                                                std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            err << command << ": unknown option \"" << arg << "\"; see tavelo-cli --help\n";
            return std::nullopt;
        }
    }
    if (args.size() != count) {
        err << command << ": expects " << count << (count == 1 ? " file" : " files")
            << "; see tavelo-cli --help\n";
        return std::nullopt;
    }
    return std::vector<std::filesystem::path>(args.begin(), args.end());
}

int ShowProject(const Arguments& args, const std::string& command, std::ostream& err,
                const std::function<void(const CProjectContext& project,
                                         const std::filesystem::path& file)>& show) {
    const auto files = FileArguments(args, 1, command, err);
    if (!files) return 2;
    CProjectContext project(command);
    if (!project.Open(files->front(), err)) return 1;
    show(project, files->front());
    return 0;
}

}  // namespace tavelo::cli
