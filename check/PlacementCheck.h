#pragma once
// Finds elements that the panel draws past the display's edge and elements that cover one
// another, from their drawn boxes.

#include <vector>

#include "DrawnBoxes.h"

namespace tavelo {

class CFindingList;

void CheckPlacement(const std::vector<CDrawnElement>& drawn, CFindingList& findings);

}  // namespace tavelo
