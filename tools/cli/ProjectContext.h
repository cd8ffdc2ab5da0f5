#pragma once
// What the project commands share: a class registry with every stored class, one document,
// the process-wide state, and opening and saving with the errors reported on the way.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

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
    // Saves as Save As does; false, with the reason on err, when the file was not written.
    bool Save(const std::filesystem::path& file, std::ostream& err);

    // "command: message" on err.
    void Report(std::ostream& err, const std::string& message) const;

    CTaveloDoc m_doc;
    CAppState m_state;
    CClassRegistry m_registry;

private:
    std::string m_strCommand;
};

// Exactly `count` file names and no options; otherwise a message on err and nothing.
std::optional<std::vector<std::filesystem::path>> FileArguments(const Arguments& args,
                                                                std::size_t count,
                                                                const std::string& command,
                                                                std::ostream& err);

// Opens the project named by the one FILE argument and hands it to `show`; returns the
// command's exit code (2 for wrong arguments, 1 when the file cannot be read).
int ShowProject(const Arguments& args, const std::string& command, std::ostream& err,
                const std::function<void(const CProjectContext& project,
                                         const std::filesystem::path& file)>& show);

}  // namespace tavelo::cli
