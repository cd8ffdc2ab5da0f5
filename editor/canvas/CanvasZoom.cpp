#include "CanvasZoom.h"

#include <algorithm>
#include <cmath>

#include "editor/CanvasGeometry.h"
#include "elements/PanelCoordinates.h"

namespace tavelo {
namespace {

constexpr std::int32_t kDisplayDotsX = kPanelMaxX;
constexpr std::int32_t kDisplayDotsY = kPanelMaxY;

// Rounds toward minus infinity, so points left of the display map left of it too.
std::int32_t FloorDiv(std::int32_t value, std::int32_t divisor) {
    const std::int32_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

void CCanvasZoom::Set(std::int32_t pixelsPerDot) {
    m_nPixelsPerDot = std::clamp(pixelsPerDot, kMinZoom, kMaxZoom);
}

std::int32_t CCanvasZoom::Fitting(CSize room) {
    const std::int32_t byWidth = (room.cx - 2 * kMargin) / kDisplayDotsX;
    const std::int32_t byHeight = (room.cy - 2 * kMargin) / kDisplayDotsY;
    return std::clamp(std::min(byWidth, byHeight), kMinZoom, kMaxZoom);
}

CSize CCanvasZoom::GetWidgetSize() const {
    return {kDisplayDotsX * m_nPixelsPerDot + 2 * kMargin,
            kDisplayDotsY * m_nPixelsPerDot + 2 * kMargin};
}

double CCanvasZoom::GetScale() const {
    return m_nPixelsPerDot / kCanvasUnitsPerDot;
}

// A canvas unit is 9 / (4 x zoom) pixels: integer arithmetic keeps the mapping exact.
CPoint CCanvasZoom::WidgetToClient(CPoint widget) const {
    const std::int32_t quarters = 4 * m_nPixelsPerDot;
    return {kCanvasOrigin.x + FloorDiv((widget.x - kMargin) * 9, quarters),
            kCanvasOrigin.y + FloorDiv((widget.y - kMargin) * 9, quarters)};
}

CPoint CCanvasZoom::ClientToWidget(CPoint client) const {
    const double scale = GetScale();
    return {
        kMargin + static_cast<std::int32_t>(std::floor((client.x - kCanvasOrigin.x + 0.5) * scale)),
        kMargin +
            static_cast<std::int32_t>(std::floor((client.y - kCanvasOrigin.y + 0.5) * scale))};
}

CRect CCanvasZoom::ClientToWidget(const CRect& client) const {
    const double scale = GetScale();
    const auto x = [scale](std::int32_t value) {
        return kMargin + static_cast<std::int32_t>(std::lround((value - kCanvasOrigin.x) * scale));
    };
    const auto y = [scale](std::int32_t value) {
        return kMargin + static_cast<std::int32_t>(std::lround((value - kCanvasOrigin.y) * scale));
    };
    return {x(client.left), y(client.top), x(client.right), y(client.bottom)};
}

CPoint CCanvasZoom::WidgetToDot(CPoint widget) const {
    return {FloorDiv(widget.x - kMargin, m_nPixelsPerDot),
            FloorDiv(widget.y - kMargin, m_nPixelsPerDot)};
}

}  // namespace tavelo
