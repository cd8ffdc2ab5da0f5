#pragma once
// Where the placement preview lies and where the element it stands for lands: both take one
// corner, the pointer's canvas point kept so the preview stays on the canvas and snapped toward
// zero to the 4-dot grid the presses snap to, so the element lands exactly where it was shown.

#include "editor/ViewState.h"

namespace tavelo {

// The preview's extent in canvas units for a size in dots (2.25 units per dot, truncated).
CSize PreviewExtent(CSize dots);
// The canvas corner at which an element of the size in dots lands for the client point.
CPoint PlacementCorner(CSize dots, CPoint client);
// Moves the preview to the corner for the client point.
void TrackPreview(CPlacementPreview& preview, CPoint client);

}  // namespace tavelo
