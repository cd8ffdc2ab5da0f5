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

}  // namespace tavelo::cli
