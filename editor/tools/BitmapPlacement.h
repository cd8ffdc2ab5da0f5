#pragma once
// Importing the file the static bitmap tool places: besides the import's own checks, a picture
// wider than 192 or higher than 64 pixels is refused even when its stored size would fit.

#include <string>

#include "elements/BitmapImport.h"

namespace tavelo {

CBitmapImport ImportPlaceableBitmap(const std::u16string& path);

}  // namespace tavelo
