#pragma once
// Reads and writes the PLC type file: one object list of PLC types with their address units.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/PLC.h"

namespace tavelo {

class CPlcTypeFile {
public:
    // Reads PlcTypes.DAT; throws CFileError (cannot open/read) or CArchiveError (damaged, with
    // offset).
    static std::vector<CPLC> Load(const std::filesystem::path& file);
    // Parses the bytes of a PLC type file; name is used in messages. Throws CArchiveError.
    static std::vector<CPLC> Parse(std::span<const std::uint8_t> bytes, const std::string& name);
    // The bytes of a PLC type file holding these types (the generator and tests use it).
    static std::vector<std::uint8_t> Write(const std::vector<CPLC>& types);
    // The delivered file: GetProgramDirectory() / "PlcTypes.DAT".
    static std::filesystem::path DefaultPath();
    // The presence check of New: can the file be opened for reading?
    static bool IsPresent(const std::filesystem::path& file);
};

inline constexpr const char16_t* kInstallFirstMessage = u"请安装后再运行";

}  // namespace tavelo
