#pragma once
// Finds and loads the PLC driver of a PLC type: its identifier from the driver index file,
// the driver file by the digits in its name, padded behind the 0xFF prefix byte.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavelo {

inline constexpr const char* kDriverIndexFileName = "200590901222.dat";
// The index holds two digits per PLC type; only this much of it is read.
inline constexpr std::size_t kDriverIndexMaxBytes = 200;
inline constexpr std::size_t kDriverUnitSize = 512;
inline constexpr std::uintmax_t kDriverMaxBytes = 1u << 20;

struct CPlcDriver {
    std::uint8_t m_nDriverId = 0;
    // 0xFF, the file, 0xFF up to whole 512-byte units.
    std::vector<std::uint8_t> m_bytes;
    std::filesystem::path m_file;

    // The block count the panel is told: 4 per 512-byte unit.
    std::size_t GetBlockCount() const { return m_bytes.size() / 128; }
};

struct CDriverLookup {
    std::optional<CPlcDriver> m_driver;
    // The message shown when no driver is found.
    std::u16string m_strMessage;
    // What exactly went wrong, for logs and the command line.
    std::string m_strReason;
};

// The driver identifier of a PLC list index, or none when the index has no two digits there.
std::optional<std::uint8_t> DriverIdOf(std::span<const std::uint8_t> index, std::uint8_t plcIndex);

// Whether a file name is a driver file of the identifier: "*.dat" with the tens digit sixth
// and the units digit eighth. The index and the other delivered data files never are.
bool IsDriverFileOf(const std::string& fileName, std::uint8_t driverId);

// The driver buffer, or none when the file does not fit behind the prefix byte at the block
// count the panel must be told (a length of whole 512-byte units, or an empty file).
std::optional<std::vector<std::uint8_t>> PadDriver(std::span<const std::uint8_t> file);

// $XDG_DATA_HOME/tavelo/drivers, by default ~/.local/share/tavelo/drivers.
std::filesystem::path GetUserDriverDirectory();

// Reads the index in programDirectory and looks for the driver in each of driverDirectories
// in turn (each one's files in name order).
CDriverLookup FindPlcDriver(const std::filesystem::path& programDirectory,
                            const std::vector<std::filesystem::path>& driverDirectories,
                            std::uint8_t plcListIndex);

}  // namespace tavelo
