#pragma once
// The command-line setup every Tavelo program shares: a CLI11 app with --help and --version,
// and one policy for the outcome of parsing: help and version go to out with exit code 0,
// wrong arguments give one line on err and exit code 2.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>
#include <vector>

namespace tavelo::tools {

// Exit codes shared by the programs: 1 when the work failed, 2 for wrong arguments.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// An app named after the program, with the version flag and the one-line failure message.
void SetUpApp(CLI::App& app, const std::string& version);

// Parses args (without the program name) and runs the callbacks of what they select.
// Returns the code the callbacks left in exitCode, or the parse outcome's code.
int RunApp(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err, const int& exitCode);

}  // namespace tavelo::tools
