#pragma once
// `tavelo-cli check PROJECT [--json]`: the project check's findings as lines or JSON; and
// `tavelo-cli addresses PROJECT [--csv|--json]`: the address cross-reference.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0 without errors, 1 with errors, 2 when the file cannot be read.
void AddCheckCommand(CLI::App& app, CCommandRun& run);
// Exit code 0, or 2 when the file cannot be read.
void AddAddressesCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
