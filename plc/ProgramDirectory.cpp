#include "ProgramDirectory.h"

#include <cstdlib>
#include <system_error>

namespace tavelo {

std::filesystem::path GetProgramDirectory() {
    if (const char* overridden = std::getenv("TAVELO_DATA_DIR"); overridden && *overridden)
        return overridden;
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return exe.parent_path();
}

}  // namespace tavelo
