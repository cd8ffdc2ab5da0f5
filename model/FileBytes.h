#pragma once
// Whole-file reading for the readers of untrusted files, which parse from memory.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tavelo {

// Throws CFileError naming the file and the reason. Files above maxBytes are refused before
// anything is allocated.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file,
                                        std::uintmax_t maxBytes = 64u << 20);

}  // namespace tavelo
