#pragma once
// `tavelo-cli bitmap FILE.bmp [--json]`: what importing a BMP file for a static bitmap would
// store (sizes, byte count, the two text-encoded byte strings), or why it is refused.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0, or 1 when the picture is refused or the file cannot be read.
void AddBitmapCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
