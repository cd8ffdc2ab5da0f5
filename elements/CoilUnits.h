#pragma once
// The address units a PLC coil can be named in, as the coil panels list them.

#include <cstdint>

namespace tavelo {

// Units with bit, or byte and bit, addressing (a CUnitChoiceList filter).
inline constexpr std::int32_t kCoilUnitFilter = 5;

}  // namespace tavelo
