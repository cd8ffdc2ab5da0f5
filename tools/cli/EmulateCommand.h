#pragma once
// `tavelo-cli emulate PROJECT|IMAGE [--values FILE]`: the panel run on a terminal. The LCD is
// drawn in block characters with a status line under it, and redrawn after every line of
// standard input, whose words are keys ("SET", "F3", "UP", "1"), "wait N" (N seconds pass on
// the panel's clock) or "quit". On a terminal each frame replaces the last; otherwise the
// frames follow one another, for scripts.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 1 when a file cannot be read or compiled or the image is damaged; 0 at "quit" or the
// end of the input. A word it does not know is named on err and skipped.
void AddEmulateCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
