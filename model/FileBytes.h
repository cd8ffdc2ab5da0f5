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

// Whether a save may replace a file that the user may not write.
enum class EReadOnlyTarget { kRefuse, kReplace };

// Writes the bytes to a temporary file beside the target, flushes it to disk and renames it
// over the target only then, so a failed write leaves the earlier file as it was; then syncs
// the folder, so the new name survives a power cut. Through a symbolic link the file it points
// to is written and the link stays. The new file keeps the earlier file's mode, and its owner
// and group where the user may set them. Throws CFileError naming the file and the reason, and
// CReadOnlyFileError for a read-only target unless told to replace it.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         EReadOnlyTarget readOnly = EReadOnlyTarget::kRefuse);

// True when the file, or the file a symbolic link names, exists and this user may not write it.
bool IsReadOnlyFile(const std::filesystem::path& file);

}  // namespace tavelo
