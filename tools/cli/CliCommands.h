#pragma once
// The commands of tavelo-cli as functions of their arguments and output streams, so tests
// run them in-process. Each returns the process exit code.

#include <iosfwd>
#include <string>
#include <vector>

namespace tavelo::cli {

using Arguments = std::vector<std::string>;

// Dispatches argv[1..] to the command it names.
int RunCli(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tavelo::cli
