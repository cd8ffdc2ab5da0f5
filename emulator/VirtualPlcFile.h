#pragma once
// Values files of the virtual PLC, JSON or CSV by their extension (.json or .csv, in any case).

#include <cstdint>
#include <filesystem>

#include "VirtualPlc.h"

namespace tavelo {

class CVirtualPlcFile {
public:
    // Far more than any panel's addresses fill; a larger file is refused before it is read.
    static constexpr std::uintmax_t kLargestFile = 4u << 20;

    // Both throw CFileError naming the file and the reason: an extension that is neither,
    // a file that cannot be read or written, or, on loading, the place of the first fault.
    static CVirtualPlc Load(const std::filesystem::path& file);
    static void Save(const std::filesystem::path& file, const CVirtualPlc& plc);
};

}  // namespace tavelo
