#include "StationNumber.h"

namespace tavelo {

std::int32_t ClampStationNumber(std::int32_t station, std::uint8_t plcListIndex) {
    const std::int32_t highest =
        plcListIndex == kPlcIndexOfStations247 ? kStationMax247 : kStationMax;
    if (station > highest) return highest;
    return station < 0 ? 0 : station;
}

}  // namespace tavelo
