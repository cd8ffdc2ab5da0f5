#pragma once
// `tavelo-cli image IMAGE [--json]`: a download image decoded field by field, with every
// place where it disagrees with its own structure.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0 for a consistent image, 1 when it has violations or cannot be read.
void AddImageCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
