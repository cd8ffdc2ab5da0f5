#pragma once
// `tavelo-cli report PROJECT -o FILE.pdf`: the commissioning report, printed with Qt's PDF
// writer on the offscreen platform, so it runs without a display.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0; 1 when the project cannot be read or the file not written.
void AddReportCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
