// tavelo-graphgen SOURCE OUTPUT: compiles the readable function-key graphics into GRAPH.DAT.
#include <iostream>

#include "GraphicSource.h"
#include "model/FileBytes.h"
#include "tools/common/CliProgram.h"

int main(int argc, char** argv) {
    CLI::App app("Compiles the readable function-key graphics into GRAPH.DAT.", "tavelo-graphgen");
    tavelo::tools::SetUpApp(app, TAVELO_VERSION);
    std::string source, output;
    app.add_option("SOURCE", source, "the readable function-key graphics")->required();
    app.add_option("OUTPUT", output, "the graphics file to write")->required();
    int exitCode = 0;
    app.callback([&] {
        try {
            const auto drawings = tavelo::CGraphicSource::Load(source);
            tavelo::WriteFileAtomically(output, tavelo::CGraphicSource::Compile(drawings));
        } catch (const std::exception& error) {
            std::cerr << error.what() << "\n";
            exitCode = tavelo::tools::kExitFailed;
        }
    });
    return tavelo::tools::RunApp(app, {argv + 1, argv + argc}, std::cout, std::cerr, exitCode);
}
