// tavelo-fontgen UNIFONT_HEX OUTPUT_DIR: builds ASCII.DAT and hanzi.DAT from GNU Unifont.
#include <iostream>

#include "FontTables.h"
#include "UnifontSource.h"
#include "model/FileBytes.h"
#include "render/FontLibrary.h"
#include "tools/common/CliProgram.h"

int main(int argc, char** argv) {
    CLI::App app("Builds the dot-matrix font files ASCII.DAT and hanzi.DAT from GNU Unifont.",
                 "tavelo-fontgen");
    tavelo::tools::SetUpApp(app, TAVELO_VERSION);
    std::string unifontHex, outputDirectory;
    app.add_option("UNIFONT_HEX", unifontHex, "GNU Unifont's glyph source, unifont.hex")
        ->required();
    app.add_option("OUTPUT_DIR", outputDirectory, "the directory to write the font files into")
        ->required();
    int exitCode = 0;
    app.callback([&] {
        try {
            const auto unifont = tavelo::CUnifontSource::Load(unifontHex);
            const std::filesystem::path directory = outputDirectory;
            tavelo::WriteFileAtomically(directory / tavelo::kAsciiFontFileName,
                                        tavelo::BuildAsciiTable(unifont));
            tavelo::WriteFileAtomically(directory / tavelo::kHanziFontFileName,
                                        tavelo::BuildHanziTable(unifont));
        } catch (const std::exception& error) {
            std::cerr << error.what() << "\n";
            exitCode = tavelo::tools::kExitFailed;
        }
    });
    return tavelo::tools::RunApp(app, {argv + 1, argv + argc}, std::cout, std::cerr, exitCode);
}
