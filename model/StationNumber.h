#pragma once
// The clamp that settings dialogs apply to a typed PLC station number.

#include <cstdint>

namespace tavelo {

// At this PLC list index station numbers end at 247, elsewhere at 255.
inline constexpr std::uint8_t kPlcIndexOfStations247 = 16;
inline constexpr std::int32_t kStationMax247 = 247;
inline constexpr std::int32_t kStationMax = 255;

// Out-of-range station numbers are clamped silently, never refused.
std::int32_t ClampStationNumber(std::int32_t station, std::uint8_t plcListIndex);

}  // namespace tavelo
