#pragma once
// The steps that check, build and download share: open a project as the editor does, check it
// and compile it with the delivered font and graphics files; and the limit of an image file
// read as it is.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "ProjectContext.h"
#include "check/ProjectCheck.h"
#include "compiler/CompileOutcome.h"

namespace tavelo::cli {

// Far beyond any image the panel takes; larger image files are refused before reading.
inline constexpr std::uintmax_t kLargestImageFile = 1u << 20;

// Opens the project and applies every element's panel, as opening in the editor does.
bool OpenForCheck(CProjectContext& project, const std::string& file, std::ostream& err);
// Opens and checks the project; nothing comes back when it cannot be read.
std::optional<CCheckResult> OpenAndCheck(CProjectContext& project, const std::string& file,
                                         std::ostream& err);

// The compiler's messages go to err as the command's lines; nothing comes back when the
// project cannot be read or is refused.
std::optional<CDownloadImage> OpenAndCompile(CProjectContext& project, const std::string& file,
                                             std::ostream& err);
// The same after the check, whose findings go to err first; nothing comes back either when
// the project has errors or, when strict, warnings.
std::optional<CDownloadImage> OpenCheckAndCompile(CProjectContext& project, const std::string& file,
                                                  std::ostream& err, bool strict);

}  // namespace tavelo::cli
