#pragma once
// `tavelo-cli render PROJECT|IMAGE [--screen N | --keys KEYS] [--values FILE]
// [--save-values FILE] [--scale K] -o OUT.png` (or `--all-screens DIR`): screens of the panel's
// LCD as PNG pictures, drawn dot for dot from the download image with the PLC values of a values
// file and the panel's digits from the delivered ASCII font; with --keys, what the panel shows
// after those keys are tapped from its initial screen. A project (.ZORX or .ZOR) is compiled
// first, as build does; any other file is read as an image.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 1 when a file cannot be read, written or compiled, the image is damaged or the
// screen is not in it; 2 for an unknown key name or --keys with --screen or --all-screens.
void AddRenderCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
