#include "PlcDriver.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>

#include "LinkMessages.h"
#include "compiler/GraphicsLibrary.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "plc/ProgramDirectory.h"
#include "render/FontLibrary.h"

namespace tavelo {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsDigit(std::uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

bool IsDeliveredDataFile(const std::string& lowerName) {
    const std::array<const char*, 5> reserved = {kDriverIndexFileName, kPlcTypesFileName,
                                                 kAsciiFontFileName, kHanziFontFileName,
                                                 kGraphicsFileName};
    return std::any_of(reserved.begin(), reserved.end(),
                       [&](const char* name) { return lowerName == Lower(name); });
}

std::vector<std::filesystem::path> FilesInNameOrder(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error)) files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

CDriverLookup Failure(const char16_t* message, std::string reason) {
    CDriverLookup lookup;
    lookup.m_strMessage = message;
    lookup.m_strReason = std::move(reason);
    return lookup;
}

}  // namespace

std::optional<std::uint8_t> DriverIdOf(std::span<const std::uint8_t> index, std::uint8_t plcIndex) {
    const std::size_t at = 2u * plcIndex;
    if (at + 1 >= std::min(index.size(), kDriverIndexMaxBytes)) return std::nullopt;
    if (!IsDigit(index[at]) || !IsDigit(index[at + 1])) return std::nullopt;
    return static_cast<std::uint8_t>(10 * (index[at] - '0') + (index[at + 1] - '0'));
}

bool IsDriverFileOf(const std::string& fileName, std::uint8_t driverId) {
    const std::string lower = Lower(fileName);
    if (lower.size() < 8 || !lower.ends_with(".dat") || IsDeliveredDataFile(lower)) return false;
    return lower[5] == '0' + driverId / 10 && lower[7] == '0' + driverId % 10;
}

std::optional<std::vector<std::uint8_t>> PadDriver(std::span<const std::uint8_t> file) {
    const std::size_t units = (file.size() + kDriverUnitSize - 1) / kDriverUnitSize;
    // The prefix byte needs one byte more than whole units hold; the panel is told the units
    // of the file alone, so such a file cannot be sent whole.
    if (file.size() + 1 > units * kDriverUnitSize) return std::nullopt;
    std::vector<std::uint8_t> bytes(units * kDriverUnitSize, 0xFF);
    std::copy(file.begin(), file.end(), bytes.begin() + 1);
    return bytes;
}

std::filesystem::path GetUserDriverDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (dataHome && *dataHome) {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && *home ? home : ".") / ".local" / "share";
    }
    return base / "tavelo" / "drivers";
}

CDriverLookup FindPlcDriver(const std::filesystem::path& programDirectory,
                            const std::vector<std::filesystem::path>& driverDirectories,
                            std::uint8_t plcListIndex) {
    const auto indexFile = programDirectory / kDriverIndexFileName;
    std::vector<std::uint8_t> index;
    try {
        index = ReadFileBytes(indexFile, 64u << 10);
    } catch (const CFileError& error) {
        return Failure(link_messages::kNoDriverIndex, error.what());
    }
    const auto driverId = DriverIdOf(index, plcListIndex);
    if (!driverId)
        return Failure(link_messages::kUnsupportedPlc,
                       "the driver index has no identifier for PLC list index " +
                           std::to_string(plcListIndex));
    for (const auto& directory : driverDirectories) {
        for (const auto& file : FilesInNameOrder(directory)) {
            if (!IsDriverFileOf(file.filename().string(), *driverId)) continue;
            std::vector<std::uint8_t> bytes;
            try {
                bytes = ReadFileBytes(file, kDriverMaxBytes);
            } catch (const CFileError& error) {
                return Failure(link_messages::kDriverMisfit, error.what());
            }
            auto padded = PadDriver(bytes);
            if (!padded)
                return Failure(link_messages::kDriverMisfit,
                               file.string() + ": a driver of " + std::to_string(bytes.size()) +
                                   " bytes (whole 512-byte units) does not fit behind the prefix "
                                   "byte");
            return {CPlcDriver{*driverId, std::move(*padded), file}, {}, {}};
        }
    }
    return Failure(link_messages::kUnsupportedPlc,
                   "no driver file for identifier " + std::to_string(*driverId));
}

}  // namespace tavelo
