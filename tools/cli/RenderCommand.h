#pragma once
// `tavelo-cli render PROJECT|IMAGE [--screen N] [--values FILE] [--scale K] -o OUT.png` (or
// `--all-screens DIR`): screens of the panel's LCD as PNG pictures, drawn dot for dot from the
// download image with the PLC values of a values file. A project (.ZORX or .ZOR) is compiled
// first, as build does; any other file is read as an image.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 1 when a file cannot be read or compiled, the image is damaged, the screen is not
// in it or a picture cannot be written.
void AddRenderCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
