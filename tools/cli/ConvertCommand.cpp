#include <ostream>

#include "ProjectCommands.h"
#include "ProjectContext.h"

namespace tavelo::cli {

int RunConvertCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    constexpr const char* kCommand = "tavelo-cli convert";
    const auto files = FileArguments(args, 2, kCommand, err);
    if (!files) return 2;
    CProjectContext project(kCommand);
    // Reading and writing through the document, so the target's name decides its layout.
    if (!project.Open((*files)[0], err) || !project.Save((*files)[1], err)) return 1;
    out << (*files)[0].string() << " -> " << (*files)[1].string() << "\n";
    return 0;
}

}  // namespace tavelo::cli
