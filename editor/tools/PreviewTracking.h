#pragma once
// How the placement preview follows the pointer: kept inside the canvas, and moved only to
// points where one coordinate lies on the 9-pixel grid, so it jumps from grid point to grid
// point instead of sliding.

#include "editor/ViewState.h"

namespace tavelo {

// The preview's extent in client pixels for a size in dots (2.25 pixels per dot, truncated).
CSize PreviewExtent(CSize dots);
// Moves the preview toward the client point; it keeps its place between grid points.
void TrackPreview(CPlacementPreview& preview, CPoint client);

}  // namespace tavelo
