#include "PreviewTracking.h"

#include <algorithm>

#include "editor/CanvasGeometry.h"

namespace tavelo {

namespace {

constexpr std::int32_t kPreviewGrid = 9;

std::int32_t DotsToPixels(std::int32_t dots) {
    return static_cast<std::int32_t>(dots * 2.25);
}

// At least the canvas's first pixel; pulled back when the extent would pass the far limit.
std::int32_t Clamp(std::int32_t pointer, std::int32_t first, std::int32_t last,
                   std::int32_t extent) {
    const std::int32_t value = std::max(pointer, first);
    return value + extent > last ? last - extent : value;
}

}  // namespace

CSize PreviewExtent(CSize dots) {
    return {DotsToPixels(dots.cx), DotsToPixels(dots.cy)};
}

void TrackPreview(CPlacementPreview& preview, CPoint client) {
    const CSize extent = PreviewExtent(preview.m_sizeDots);
    const std::int32_t x =
        Clamp(client.x, kCanvasOrigin.x, kCanvasOrigin.x + kCanvasSize.cx, extent.cx);
    const std::int32_t y =
        Clamp(client.y, kCanvasOrigin.y, kCanvasOrigin.y + kCanvasSize.cy, extent.cy);
    if (x % kPreviewGrid != 0 && y % kPreviewGrid != 0) return;
    const std::int32_t left = x - x % kPreviewGrid;
    const std::int32_t top = y - y % kPreviewGrid;
    preview.m_rcClient = {left, top, left + extent.cx, top + extent.cy};
}

}  // namespace tavelo
