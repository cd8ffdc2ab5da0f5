#pragma once
// `tavelo-cli download PROJECT --port COM1..COM4|DEVICE [--drivers DIR] [--log FILE]`: compiles
// the project as build does and writes the image to the panel, with the PLC driver when the
// panel needs it; and `tavelo-cli ports`, the serial ports of this machine.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0 only for "下载成功!"; 1 for any other result or a project that does not compile;
// 128 + the signal's number when SIGINT or SIGTERM cancelled the download.
void AddDownloadCommand(CLI::App& app, CCommandRun& run);
void AddPortsCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
