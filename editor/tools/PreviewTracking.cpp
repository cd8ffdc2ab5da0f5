#include "PreviewTracking.h"

#include <algorithm>

#include "Tool.h"
#include "editor/CanvasGeometry.h"

namespace tavelo {

namespace {

std::int32_t DotsToUnits(std::int32_t dots) {
    return static_cast<std::int32_t>(dots * 2.25);
}

// At least 0 and, where the extent fits, no further than it reaches the far edge; then toward
// zero onto the grid, which keeps it inside.
std::int32_t Corner(std::int32_t canvas, std::int32_t length, std::int32_t extent) {
    const std::int32_t kept = std::max(std::min(canvas, length - extent), 0);
    return kept - kept % CTool::kSnapStep;
}

}  // namespace

CSize PreviewExtent(CSize dots) {
    return {DotsToUnits(dots.cx), DotsToUnits(dots.cy)};
}

CPoint PlacementCorner(CSize dots, CPoint client) {
    const CSize extent = PreviewExtent(dots);
    const CPoint canvas = ClientToCanvas(client);
    return {Corner(canvas.x, kCanvasSize.cx, extent.cx),
            Corner(canvas.y, kCanvasSize.cy, extent.cy)};
}

void TrackPreview(CPlacementPreview& preview, CPoint client) {
    const CSize extent = PreviewExtent(preview.m_sizeDots);
    const CPoint corner = CanvasToClient(PlacementCorner(preview.m_sizeDots, client));
    preview.m_rcClient = {corner.x, corner.y, corner.x + extent.cx, corner.y + extent.cy};
}

}  // namespace tavelo
