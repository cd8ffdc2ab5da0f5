#pragma once
// `tavelo-cli plctypes [FILE] [--json]`: lists the PLC types of a PLC type file (the delivered
// one by default) with their station ranges, serial defaults and address units.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0, or 1 for an unreadable or damaged file.
void AddPlcTypesCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
