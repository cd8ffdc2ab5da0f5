#pragma once
// The conversions between canvas units and the dots that property panels show, and the cap
// that every element panel applies to a typed position.

#include <cstdint>

#include "model/Geometry.h"

namespace tavelo {

// The canvas shows the 192 x 64 dot display at this many units per dot.
inline constexpr double kCanvasUnitsPerDot = 2.25;

// Typed positions are capped here before they are converted to canvas units.
inline constexpr std::int32_t kPanelMaxX = 192;
inline constexpr std::int32_t kPanelMaxY = 64;

// x 2.25, truncated toward zero.
std::int32_t DotsToCanvas(std::int32_t dots);
// x 4/9 in single precision, truncated, plus one when the first decimal digit is 6 or more;
// negative values are only truncated.
std::int32_t CanvasToDots(std::int32_t units);

CPoint DotsToCanvas(CPoint dots);
CPoint CanvasToDots(CPoint units);
// A top-left corner as the panels show it: negative coordinates read as 0.
CPoint PanelTopLeft(const CRect& position);
// Caps x at 192 and y at 64 dots.
CPoint CapPanelPosition(CPoint dots);

}  // namespace tavelo
