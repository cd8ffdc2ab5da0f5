#pragma once
// What the panel's display shows besides a screen of the image.

#include <cstdint>

namespace tavelo {

enum class EPanelPage : std::uint8_t { Screen, Password, AlarmList, Time };

}  // namespace tavelo
