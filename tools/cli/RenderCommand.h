#pragma once
// `tavelo-cli render PROJECT|IMAGE [--screen N] [--scale K] -o OUT.png`: one screen of the
// panel's LCD as a PNG picture, drawn dot for dot from the download image. A project (.ZORX or
// .ZOR) is compiled first, as build does; any other file is read as an image.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 1 when the file cannot be read or compiled, the image is damaged, the screen is
// not in it or the picture cannot be written.
void AddRenderCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
