#include "CliCommands.h"

#include <QCoreApplication>
#include <ostream>

#include "BitmapCommand.h"
#include "BuildCommand.h"
#include "DownloadCommand.h"
#include "EmulateCommand.h"
#include "GlyphsCommand.h"
#include "ImageCommand.h"
#include "PlcTypesCommand.h"
#include "ProjectCommands.h"
#include "RenderCommand.h"
#include "plc/ProgramDirectory.h"
#include "tools/common/CliProgram.h"
#include "translation/LanguageChoice.h"

namespace tavelo::cli {
namespace {

// The system's messages the commands print follow the interface language, as the window's do.
void AddLanguageOption(CLI::App& app, std::string& name) {
    app.add_option("--lang", name,
                   "the language of the system's messages: zh or en (default: en when the "
                   "locale's language is English, else zh)")
        ->check(CLI::IsMember({"zh", "en"}));
    app.parse_complete_callback([&name] {
        const ELanguage language =
            name.empty() ? LocaleLanguage() : *ParseLanguage(QString::fromStdString(name));
        if (QCoreApplication* application = QCoreApplication::instance())
            InstallLanguage(*application, language, GetProgramDirectory());
    });
}

}  // namespace

int RunCli(const Arguments& args, const CCliStreams& streams) {
    CLI::App app("Tavelo configures ZOR operator panels.", "tavelo-cli");
    tools::SetUpApp(app, TAVELO_VERSION);
    // At most one; none is handled before parsing, so an unknown word is named as such.
    app.require_subcommand(0, 1);
    std::string language;
    AddLanguageOption(app, language);
    CCommandRun run{streams.m_in, streams.m_out, streams.m_err, streams.m_bTerminal};
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
    AddEmulateCommand(app, run);
    AddDownloadCommand(app, run);
    AddPortsCommand(app, run);
    if (args.empty()) {
        streams.m_out << app.help();
        return tools::kExitUsage;
    }
    return tools::RunApp(app, args, streams.m_out, streams.m_err, run.m_nExitCode);
}

}  // namespace tavelo::cli
