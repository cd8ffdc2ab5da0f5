#pragma once
// The project commands of tavelo-cli: new, info, dump and convert. Each takes the words after
// its name and returns 0, 1 when the command failed (unreadable or damaged file, refused
// choice, unwritable target) or 2 for wrong arguments.

#include <iosfwd>

#include "CliCommands.h"

namespace tavelo::cli {

// new FILE [--model ZORA|ZORB] [--plc INDEX] [--force]
int RunNewCommand(const Arguments& args, std::ostream& out, std::ostream& err);
// info FILE
int RunInfoCommand(const Arguments& args, std::ostream& out, std::ostream& err);
// dump FILE
int RunDumpCommand(const Arguments& args, std::ostream& out, std::ostream& err);
// convert IN OUT
int RunConvertCommand(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tavelo::cli
