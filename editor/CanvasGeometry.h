#pragma once
// The client points the tools work in: one per canvas unit, the canvas origin where the
// fixed-size view of old had it, so every rule of the tools keeps its numbers. The canvas
// widget maps its pixels to them at its zoom.

#include <cstdint>

#include "model/Geometry.h"

namespace tavelo {

inline constexpr CPoint kCanvasOrigin = {210, 25};
inline constexpr CSize kCanvasSize = {432, 144};
// Presses inside it reach the current tool; it reaches a few pixels left of the canvas.
inline constexpr CRect kCanvasHitArea = {207, 26, 642, 169};
inline constexpr std::int32_t kGridPitch = 18;

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
