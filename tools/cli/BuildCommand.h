#pragma once
// `tavelo-cli build PROJECT [-o IMAGE]`: opens the project as the editor does, compiles it
// into the download image with the delivered font and graphics files and writes the image.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0, or 1 with the compiler's message when nothing was written.
void AddBuildCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
