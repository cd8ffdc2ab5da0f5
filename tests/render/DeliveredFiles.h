#pragma once
// Where the tests find the data files generated beside the programs.

#include <cstdlib>
#include <filesystem>

namespace tavelo::test {

inline std::filesystem::path DeliveredDirectory() {
    if (const char* dir = std::getenv("TAVELO_BIN_DIR"); dir && *dir) return dir;
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

}  // namespace tavelo::test
