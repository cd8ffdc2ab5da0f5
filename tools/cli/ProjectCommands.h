#pragma once
// The project commands of tavelo-cli: new, info, dump and convert. Each leaves 0, or 1 when
// the command failed (unreadable or damaged file, refused choice, unwritable target).

#include "CliCommands.h"

namespace tavelo::cli {

// new FILE [--model ZORA|ZORB] [--plc INDEX] [--force]
void AddNewCommand(CLI::App& app, CCommandRun& run);
// info FILE
void AddInfoCommand(CLI::App& app, CCommandRun& run);
// dump FILE
void AddDumpCommand(CLI::App& app, CCommandRun& run);
// convert IN OUT
void AddConvertCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
