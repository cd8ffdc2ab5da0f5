#pragma once
// tavelo-cli as a function of its arguments and output streams, so tests run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tavelo::cli {

using Arguments = std::vector<std::string>;

// What a command's callback needs to report: the two streams and the exit code to return.
struct CCommandRun {
    std::ostream& m_out;
    std::ostream& m_err;
    int m_nExitCode = 0;
};

// Runs argv[1..]: the command it names, or help, or version. Returns the process exit code.
int RunCli(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tavelo::cli
