#pragma once
// The step that build and download share: open a project as the editor does and compile it
// with the delivered font and graphics files.

#include <iosfwd>
#include <optional>
#include <string>

#include "ProjectContext.h"
#include "compiler/CompileOutcome.h"

namespace tavelo::cli {

// The compiler's messages go to err as the command's lines; nothing comes back when the
// project cannot be read or is refused.
std::optional<CDownloadImage> OpenAndCompile(CProjectContext& project, const std::string& file,
                                             std::ostream& err);

}  // namespace tavelo::cli
