#include "PanelCoordinates.h"

#include <algorithm>
#include <cmath>

namespace tavelo {

std::int32_t DotsToCanvas(std::int32_t dots) {
    return static_cast<std::int32_t>(std::trunc(static_cast<double>(dots) * kCanvasUnitsPerDot));
}

std::int32_t CanvasToDots(std::int32_t units) {
    const float product = static_cast<float>(units) * 0.44444445f;
    const auto dots = static_cast<std::int32_t>(std::trunc(product));
    if (units < 0) return dots;
    const auto tenths =
        static_cast<std::int64_t>(std::trunc(static_cast<float>(units) * 4.4444447f));
    return tenths % 10 >= 6 ? dots + 1 : dots;
}

CPoint DotsToCanvas(CPoint dots) {
    return {DotsToCanvas(dots.x), DotsToCanvas(dots.y)};
}

CPoint CanvasToDots(CPoint units) {
    return {CanvasToDots(units.x), CanvasToDots(units.y)};
}

CPoint PanelTopLeft(const CRect& position) {
    return {std::max(position.left, 0), std::max(position.top, 0)};
}

CPoint CapPanelPosition(CPoint dots) {
    return {std::min(dots.x, kPanelMaxX), std::min(dots.y, kPanelMaxY)};
}

}  // namespace tavelo
