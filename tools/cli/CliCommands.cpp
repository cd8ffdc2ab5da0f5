#include "CliCommands.h"

#include <array>
#include <ostream>
#include <string_view>

#include "PlcTypesCommand.h"
#include "ProjectCommands.h"

namespace tavelo::cli {

namespace {

constexpr const char* kUsage =
    "Usage: tavelo-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Tavelo configures ZOR operator panels. Commands:\n"
    "  --help, help       show this help\n"
    "  --version          show the version\n"
    "  plctypes [FILE] [--json]\n"
    "                     list the PLC types of FILE (default: the delivered PlcTypes.DAT)\n"
    "  new FILE [--model ZORA|ZORB] [--plc INDEX] [--force]\n"
    "                     make a new project as New does and save it (.ZORX when FILE has\n"
    "                     no extension); --plc picks the PLC type at INDEX\n"
    "  info FILE          summarise a project: model, PLC type, link, screens, settings, alarms\n"
    "  dump FILE          print every stored field of a project as JSON\n"
    "  convert IN OUT     read IN and save it as OUT; OUT's extension decides the layout\n"
    "                     (.ZORX stores station numbers, any other name does not)\n";

using CommandFunction = int (*)(const Arguments& args, std::ostream& out, std::ostream& err);

struct CCommand {
    std::string_view m_strName;
    CommandFunction m_pRun;
};

// Each command receives the words after its name.
constexpr std::array<CCommand, 5> kCommands = {{
    {"plctypes", &RunPlcTypesCommand},
    {"new", &RunNewCommand},
    {"info", &RunInfoCommand},
    {"dump", &RunDumpCommand},
    {"convert", &RunConvertCommand},
}};

}  // namespace

int RunCli(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "help" || args[0] == "-h") {
        out << kUsage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << "tavelo-cli " << TAVELO_VERSION << "\n";
        return 0;
    }
    for (const CCommand& command : kCommands)
        if (args[0] == command.m_strName)
            return command.m_pRun(Arguments(args.begin() + 1, args.end()), out, err);
    err << "tavelo-cli: unknown command \"" << args[0] << "\"; see tavelo-cli --help\n";
    return 2;
}

}  // namespace tavelo::cli
