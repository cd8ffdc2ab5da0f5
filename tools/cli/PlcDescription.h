#pragma once
// How the CLI shows PLC types: their serial defaults in words, their address units as a
// table, and both as JSON members with the stored values beside the decoded ones.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/PLC.h"
#include "tools/common/JsonOutput.h"

namespace tavelo::cli {

inline constexpr std::array<const char*, 2> kPortNames = {"COM1", "COM2"};
inline constexpr std::array<int, 6> kBaudRates = {1200, 2400, 4800, 9600, 19200, 38400};
inline constexpr std::array<int, 2> kDataBits = {7, 8};
inline constexpr std::array<int, 2> kStopBits = {1, 2};
inline constexpr std::array<const char*, 3> kParityNames = {"none", "odd", "even"};
inline constexpr std::array<const char*, 3> kAddressingNames = {"byte", "bit", "byte+bit"};

// The entry a stored index stands for, or nothing for an index outside the table.
template <class T, std::size_t N>
std::optional<T> Lookup(const std::array<T, N>& table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

// "COM1, 9600, 8 data bits, 1 stop bit, even", with unknown stored indexes named.
std::string DescribeSerial(const CSerialComParam& serial);
// The units as an aligned table, each line indented.
void WriteUnitTable(const std::vector<CRegUnitConfig>& units, std::ostream& out);

// One PLC type with its stored values and, beside the stored indexes, what they stand for
// (null for an index outside its table).
tools::Json JsonPlcMembers(const CPLC& type);

}  // namespace tavelo::cli
