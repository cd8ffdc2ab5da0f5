#pragma once
// Where the canvas lies in the view's client area and how client pixels and canvas units meet.
// The view is never scrolled, so the mapping is a fixed offset.

#include <cstdint>

#include "model/Geometry.h"

namespace tavelo {

inline constexpr CPoint kCanvasOrigin = {210, 25};
inline constexpr CSize kCanvasSize = {432, 144};
// The sunken border's outermost frame, in client pixels.
inline constexpr CRect kCanvasFrame = {205, 21, 645, 173};
// Presses inside it reach the current tool; it reaches a few pixels left of the canvas.
inline constexpr CRect kCanvasHitArea = {207, 26, 642, 169};
inline constexpr std::int32_t kGridPitch = 18;
// Where the property panels and the drawing tool palette sit in the client area.
inline constexpr CPoint kPanelOrigin = {200, 177};
inline constexpr CPoint kToolPaletteOrigin = {652, 10};

constexpr CPoint ClientToCanvas(CPoint client) {
    return {client.x - kCanvasOrigin.x, client.y - kCanvasOrigin.y};
}
constexpr CPoint CanvasToClient(CPoint canvas) {
    return {canvas.x + kCanvasOrigin.x, canvas.y + kCanvasOrigin.y};
}
// Both edges inclusive.
constexpr bool IsInCanvasHitArea(CPoint client) {
    return client.x >= kCanvasHitArea.left && client.x <= kCanvasHitArea.right &&
           client.y >= kCanvasHitArea.top && client.y <= kCanvasHitArea.bottom;
}

}  // namespace tavelo
