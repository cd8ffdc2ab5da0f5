#include "ElementSizing.h"

namespace tavelo {

std::int32_t CanvasExtent(std::int32_t dots, bool doubled) {
    const std::int32_t extent = WrapInt32(std::int64_t{dots} * kCanvasUnitsPer4Dots / 4);
    return doubled ? WrapInt32(std::int64_t{extent} * 2) : extent;
}

CRect GrownFromTopLeft(const CRect& rect, std::int32_t cx, std::int32_t cy) {
    return {rect.left, rect.top, WrapInt32(std::int64_t{rect.left} + cx),
            WrapInt32(std::int64_t{rect.top} + cy)};
}

CRect MovedKeepingSize(const CRect& rect, CRectObj::ECorner corner, CPoint point) {
    if (corner == CRectObj::ECorner::BottomRight) return {rect.left, rect.top, point.x, point.y};
    CRect moved = rect;
    moved.Offset(WrapInt32(std::int64_t{point.x} - rect.left),
                 WrapInt32(std::int64_t{point.y} - rect.top));
    return moved;
}

}  // namespace tavelo
