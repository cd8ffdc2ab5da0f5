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

inline CliRun RunCommand(const cli::Arguments& args) {
    std::ostringstream out, err;
    const int code = cli::RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace tavelo::test
