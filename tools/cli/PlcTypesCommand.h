#pragma once
// `tavelo-cli plctypes [FILE] [--json]`: lists the PLC types of a PLC type file (the delivered
// one by default) with their station ranges, serial defaults and address units.

#include <iosfwd>

#include "CliCommands.h"

namespace tavelo::cli {

// args are the words after "plctypes". Returns 0, 1 for an unreadable or damaged file, 2 for
// wrong arguments.
int RunPlcTypesCommand(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tavelo::cli
