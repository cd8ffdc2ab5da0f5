#pragma once
// The step that build and download share: open a project as the editor does and compile it
// with the delivered font and graphics files; and the limit of an image file read as it is.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "ProjectContext.h"
#include "compiler/CompileOutcome.h"

namespace tavelo::cli {

// Far beyond any image the panel takes; larger image files are refused before reading.
inline constexpr std::uintmax_t kLargestImageFile = 1u << 20;

// The compiler's messages go to err as the command's lines; nothing comes back when the
// project cannot be read or is refused.
std::optional<CDownloadImage> OpenAndCompile(CProjectContext& project, const std::string& file,
                                             std::ostream& err);

}  // namespace tavelo::cli
