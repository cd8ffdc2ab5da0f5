#include "CliCommands.h"

#include <ostream>

#include "BitmapCommand.h"
#include "BuildCommand.h"
#include "DownloadCommand.h"
#include "GlyphsCommand.h"
#include "ImageCommand.h"
#include "PlcTypesCommand.h"
#include "ProjectCommands.h"
#include "RenderCommand.h"
#include "tools/common/CliProgram.h"

namespace tavelo::cli {

int RunCli(const Arguments& args, std::ostream& out, std::ostream& err) {
    CLI::App app("Tavelo configures ZOR operator panels.", "tavelo-cli");
    tools::SetUpApp(app, TAVELO_VERSION);
    // At most one; none is handled before parsing, so an unknown word is named as such.
    app.require_subcommand(0, 1);
    CCommandRun run{out, err};
    AddPlcTypesCommand(app, run);
    AddNewCommand(app, run);
    AddInfoCommand(app, run);
    AddDumpCommand(app, run);
    AddConvertCommand(app, run);
    AddGlyphsCommand(app, run);
    AddBitmapCommand(app, run);
    AddBuildCommand(app, run);
    AddImageCommand(app, run);
    AddRenderCommand(app, run);
    AddDownloadCommand(app, run);
    AddPortsCommand(app, run);
    if (args.empty()) {
        out << app.help();
        return tools::kExitUsage;
    }
    return tools::RunApp(app, args, out, err, run.m_nExitCode);
}

}  // namespace tavelo::cli
