#pragma once
// The tables users keep in spreadsheets, as CSV: `tavelo-cli alarms PROJECT [--import FILE]`
// prints the alarm list or replaces it from a file and saves the project; `tavelo-cli screens
// PROJECT` prints the screens' descriptions and targets.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0; 1 when a file cannot be read or the project not saved. An import prints a line
// per cut or refused row on err.
void AddAlarmsCommand(CLI::App& app, CCommandRun& run);
void AddScreensCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
