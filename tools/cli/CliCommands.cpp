#include "CliCommands.h"

#include <functional>
#include <map>
#include <ostream>

namespace tavelo::cli {

namespace {

constexpr const char* kUsage =
    "Usage: tavelo-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Tavelo configures ZOR operator panels. Commands:\n"
    "  --help, help       show this help\n"
    "  --version          show the version\n";

}  // namespace

int RunCli(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "help" || args[0] == "-h") {
        out << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << "tavelo-cli " << TAVELO_VERSION << "\n";
        return 0;
    }
    err << "tavelo-cli: unknown command \"" << args[0] << "\"; see tavelo-cli --help\n";
    return 2;
}

}  // namespace tavelo::cli
