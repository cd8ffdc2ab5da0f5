#pragma once
// `tavelo-cli glyphs TEXT [--face NAME --size 12|14|16] [--json]`: each character's code and
// glyph bytes as the download image would carry them, with a drawing of its dots, so a user
// sees what the panel will show and which characters its fonts lack.

#include "CliCommands.h"

namespace tavelo::cli {

// Exit code 0, or 1 when a font file or face cannot be used.
void AddGlyphsCommand(CLI::App& app, CCommandRun& run);

}  // namespace tavelo::cli
