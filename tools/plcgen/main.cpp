// tavelo-plcgen SOURCE OUTPUT: compiles the readable PLC type source into the PLC type file.
#include <iostream>

#include "PlcTypeSource.h"
#include "model/FileBytes.h"
#include "plc/PlcTypeFile.h"
#include "tools/common/CliProgram.h"

int main(int argc, char** argv) {
    CLI::App app("Compiles the readable PLC type source into the PLC type file.", "tavelo-plcgen");
    tavelo::tools::SetUpApp(app, TAVELO_VERSION);
    std::string source, output;
    app.add_option("SOURCE", source, "the readable PLC type source")->required();
    app.add_option("OUTPUT", output, "the PLC type file to write")->required();
    int exitCode = 0;
    app.callback([&] {
        try {
            const auto types = tavelo::CPlcTypeSource::Load(source);
            tavelo::WriteFileAtomically(output, tavelo::CPlcTypeFile::Write(types));
        } catch (const std::exception& error) {
            std::cerr << error.what() << "\n";
            exitCode = tavelo::tools::kExitFailed;
        }
    });
    return tavelo::tools::RunApp(app, {argv + 1, argv + argc}, std::cout, std::cerr, exitCode);
}
