#pragma once
// Runs a tavelo-cli command in-process and keeps its exit code and both outputs.

#include <sstream>
#include <string>

#include "tools/cli/CliCommands.h"

namespace tavelo::test {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// input: what the command reads on standard input.
inline CliRun RunCommand(const cli::Arguments& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = cli::RunCli(args, {in, out, err});
    return {code, out.str(), err.str()};
}

}  // namespace tavelo::test
