#pragma once
// The pictures that ship with the program for the canvas previews of lamps, function keys,
// the pointing hand and the dynamic bitmap, looked up by their fixed numbers.

#include <cstdint>

#include "model/MonoPicture.h"

namespace tavelo {

// Every preview picture is this many canvas units wide and high.
inline constexpr std::int32_t kPreviewPictureSize = 36;

// The picture with that number; an empty picture (0 x 0) for a number that names none.
CMonoPicture LoadPreviewPicture(std::int32_t number);

}  // namespace tavelo
