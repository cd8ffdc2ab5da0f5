#pragma once
// Whole-file reading for the readers of untrusted files, which parse from memory, and
// whole-file writing that never leaves a half-written file behind.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace tavelo {

// Throws CFileError naming the path when it is a directory or another file that is not a
// regular one (a device or a pipe would read without end or block); a missing path passes,
// for the opening to report.
void RequireRegularFile(const std::filesystem::path& file);

// Throws CFileError naming the file and the reason. Files above maxBytes are refused before
// anything is allocated.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file,
                                        std::uintmax_t maxBytes = 64u << 20);

// Writes the bytes to a temporary file beside the target, flushes it to disk and renames it
// over the target only then, so a failed write leaves the earlier file as it was. Throws
// CFileError naming the file and the reason.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

}  // namespace tavelo
