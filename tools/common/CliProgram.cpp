#include "CliProgram.h"

#include <algorithm>
#include <ostream>

namespace tavelo::tools {

void SetUpApp(CLI::App& app, const std::string& version) {
    app.set_version_flag("--version", app.get_name() + " " + version);
    app.failure_message([](const CLI::App* failed, const CLI::Error& error) {
        const std::string name = failed->get_name();
        return name + ": " + error.what() + " (see " + name + " --help)\n";
    });
}

int RunApp(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err, const int& exitCode) {
    // CLI11 takes the words last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? 0 : kExitUsage;
    }
    return exitCode;
}

}  // namespace tavelo::tools
