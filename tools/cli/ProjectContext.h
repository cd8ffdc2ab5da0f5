#pragma once
// What the project commands share: a class registry with every stored class, one document,
// the process-wide state, and opening and saving with the errors reported on the way.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "CliCommands.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/TaveloDoc.h"

namespace tavelo::cli {

class CProjectContext {
public:
    explicit CProjectContext(std::string command);

    // False, with the reason on err, when the file cannot be read as a project.
    bool Open(const std::filesystem::path& file, std::ostream& err);
    // Saves as Save As does; false, with the reason on err, when the file was not written. A
    // read-only file is replaced only when forced.
    bool Save(const std::filesystem::path& file, std::ostream& err, bool bForce = false);

    // "command: message" on err.
    void Report(std::ostream& err, const std::string& message) const;

    CTaveloDoc m_doc;
    CAppState m_state;
    CClassRegistry m_registry;

private:
    std::string m_strCommand;
};

using ShowFunction = std::function<void(const CProjectContext& project,
                                        const std::filesystem::path& file, std::ostream& out)>;

// Adds a command that takes one project FILE, opens it and hands it to `show`; the command
// leaves 1 when the file cannot be read.
void AddShowProjectCommand(CLI::App& app, CCommandRun& run, const std::string& name,
                           const std::string& description, ShowFunction show);

}  // namespace tavelo::cli
