#include "RectObj.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/Archive.h"
#include "model/ElementView.h"
#include "model/FieldSink.h"

namespace tavelo {

namespace {

// Distances are compared as whole units. Any real distance between canvas points fits; the
// cap only keeps rounding on absurd coordinates from leaving the integer range.
std::int64_t TruncateDistance(double distance) {
    constexpr double kCap = 1e18;
    return static_cast<std::int64_t>(std::min(distance, kCap));
}

}  // namespace

void CRectObj::Serialize(CArchive& ar) {
    std::uint8_t shape = static_cast<std::uint8_t>(m_nShape);
    ar.U8(shape);
    if (ar.IsLoading()) m_nShape = shape;
}

void CRectObj::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Int("shape", m_nShape);
}

void CRectObj::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    const std::optional<CPenDesc> pen =
        m_bDrawOutline ? std::optional<CPenDesc>(m_outlinePen) : std::nullopt;
    if (IsLine()) {
        surface.DrawLine(m_rcPosition.TopLeft(), m_rcPosition.BottomRight(), pen);
        return;
    }
    const std::optional<CBrushDesc> brush =
        m_bDrawFill ? std::optional<CBrushDesc>(m_fillBrush) : std::nullopt;
    surface.DrawRectangle(m_rcPosition, pen, brush);
}

int CRectObj::HitPoint(const CElementView& view, CPoint point) const {
    const CRect position = view.CanvasRectToDevice(m_rcPosition);
    const CPoint device = view.CanvasToDevice(point);
    const std::int32_t tolerance = view.GetMarkSize() / 2;
    if (IsLine()) return HitsLine(position, device, tolerance) ? 1 : 0;
    CRect widened = position;
    widened.Inflate(tolerance, tolerance);
    const CRect box{device.x, device.y, WrapInt32(std::int64_t{device.x} + 1),
                    WrapInt32(std::int64_t{device.y} + 1)};
    return widened.Intersects(box) ? 1 : 0;
}

bool CRectObj::HitsLine(const CRect& line, CPoint point, std::int32_t tolerance) const {
    const std::int64_t toStart = TruncateDistance(Distance(point.x, point.y, line.left, line.top));
    const std::int64_t toEnd =
        TruncateDistance(Distance(point.x, point.y, line.right, line.bottom));
    const std::int64_t length =
        TruncateDistance(Distance(line.left, line.top, line.right, line.bottom));
    const std::int64_t offLine =
        DistanceToLine(line.left, line.top, line.right, line.bottom, point.x, point.y);
    return toStart < length && toEnd < length && offLine < tolerance;
}

std::int64_t CRectObj::DistanceToLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                      std::int32_t y2, std::int32_t px, std::int32_t py) const {
    const double length = Distance(x1, y1, x2, y2);
    if (length == 0.0) return kZeroLengthDistance;
    // In floating point, so products of any two coordinates stay exact enough.
    const double ax = x1, ay = y1, bx = x2, by = y2, qx = px, qy = py;
    const double cross = (ax * by - ay * bx) + qy * (bx - ax) - qx * (by - ay);
    return TruncateDistance(std::abs(cross) / length);
}

int CRectObj::GetMarkCount() const {
    return IsLine() ? kLineMarkCount : kRectangleMarkCount;
}

CPoint CRectObj::GetMarkPoint(int n) const {
    constexpr int kEndMark = 5;
    constexpr int kCentreMark = 9;
    if (IsLine() && n == 2) return CGraphObj::GetMarkPoint(kEndMark);
    if (IsLine() && n == 3) return CGraphObj::GetMarkPoint(kCentreMark);
    return CGraphObj::GetMarkPoint(n);
}

void CRectObj::SetTopLeft(std::int32_t x, std::int32_t y) {
    m_rcPosition.left = std::max(x, 0);
    m_rcPosition.top = y;
}

void CRectObj::MoveBy(std::int32_t dx, std::int32_t dy) {
    CGraphObj::MoveBy(dx, dy);
    m_rcPosition.Offset(dx, dy);
}

void CRectObj::SetPoint(ECorner corner, std::int32_t x, std::int32_t y) {
    if (corner == ECorner::TopLeft) {
        m_rcPosition.left = x;
        m_rcPosition.top = y;
    } else {
        m_rcPosition.right = x;
        m_rcPosition.bottom = y;
    }
}

CPoint CRectObj::GetPoint(ECorner corner) const {
    if (corner == ECorner::BottomRight) return m_rcPosition.BottomRight();
    return {std::max(m_rcPosition.left, 0), std::max(m_rcPosition.top, 0)};
}

}  // namespace tavelo
