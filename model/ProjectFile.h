#pragma once
// The project file: screens, class names, the eight element lists, the alarm, system-settings
// and PLC-and-link blocks, the PLC type list and the display type, as one object archive.
// The file's name decides one detail of the layout (".ZORX" stores station numbers).

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "FileBytes.h"

namespace tavelo {

class CAppState;
class CClassRegistry;
class CTaveloDoc;

class CProjectFile {
public:
    // Reserved int32 after the model index; written as 0, ignored when read.
    static constexpr int kReservedDisplayValues = 5;

    // The bytes Save writes for the document under that file name. Rebuilds the document's
    // class names and per-kind lists on the way, as saving always has.
    static std::vector<std::uint8_t> Write(CTaveloDoc& doc, CAppState& state,
                                           const std::string& fileName);

    // Reads a whole project into the document and the process-wide state. On any error it
    // throws CArchiveError (what and where) and leaves both exactly as they were.
    static void Read(std::span<const std::uint8_t> bytes, const std::string& fileName,
                     const CClassRegistry& registry, CTaveloDoc& doc, CAppState& state);

    // Save: writes beside the target and replaces it only when complete; clears the modified
    // mark. Throws CFileError, CReadOnlyFileError for a read-only file not to be replaced; the
    // earlier file is then unchanged.
    static void Save(CTaveloDoc& doc, CAppState& state, const std::filesystem::path& file,
                     EReadOnlyTarget readOnly = EReadOnlyTarget::kRefuse);

    // Open: reads the file as Read does and clears the modified mark. Throws CFileError naming
    // the file, what was wrong and where; the open project is then unchanged.
    static void Open(const std::filesystem::path& file, const CClassRegistry& registry,
                     CTaveloDoc& doc, CAppState& state);
};

}  // namespace tavelo
