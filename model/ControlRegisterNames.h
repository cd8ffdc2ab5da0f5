#pragma once
// Names the three consecutive control registers of the system settings as the user reads
// them, for example "DM100", "DM101", "DM102".

#include <array>
#include <cstdint>
#include <string>

namespace tavelo {

// The registers at controlRegister and the next two register positions of a unit named
// unitName whose addresses are unitBytes wide.
std::array<std::u16string, 3> NameControlRegisters(const std::u16string& unitName,
                                                   std::int32_t unitBytes,
                                                   std::int32_t controlRegister);

}  // namespace tavelo
