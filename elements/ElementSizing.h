#pragma once
// The size arithmetic that element previews share: dots to canvas units and rectangles that
// grow from their top-left corner or move keeping their size. Everything wraps like the
// 32-bit arithmetic it stands for, so sizes read from a damaged file stay well defined.

#include <cstdint>

#include "RectObj.h"
#include "model/Geometry.h"

namespace tavelo {

// Canvas units per dot are 9/4.
inline constexpr std::int32_t kCanvasUnitsPer4Dots = 9;

// dots x 2.25, truncated toward zero, then doubled for an element shown at double size.
std::int32_t CanvasExtent(std::int32_t dots, bool doubled = false);
// The rectangle with its top-left corner kept and its bottom-right at top-left + (cx, cy).
CRect GrownFromTopLeft(const CRect& rect, std::int32_t cx, std::int32_t cy);
// Top-left moves to the point and bottom-right by the same offset; or bottom-right alone is
// set to the point.
CRect MovedKeepingSize(const CRect& rect, CRectObj::ECorner corner, CPoint point);

}  // namespace tavelo
