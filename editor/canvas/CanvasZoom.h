#pragma once
// How large the canvas shows the panel: whole screen pixels per dot, and the mapping between
// the canvas widget's pixels and the client points the tools work in (one per canvas unit, the
// canvas origin where the fixed-size view had it), so zoom changes no rule of the tools.

#include <cstdint>

#include "model/Geometry.h"

namespace tavelo {

class CCanvasZoom {
public:
    static constexpr std::int32_t kMinZoom = 2;
    static constexpr std::int32_t kMaxZoom = 12;
    // Room around the display for its sunken border.
    static constexpr std::int32_t kMargin = 6;

    std::int32_t Get() const { return m_nPixelsPerDot; }
    // Kept within kMinZoom..kMaxZoom.
    void Set(std::int32_t pixelsPerDot);
    // The largest zoom whose display and border fit the room.
    static std::int32_t Fitting(CSize room);

    // The widget's size: the display and its border.
    CSize GetWidgetSize() const;
    // Screen pixels per canvas unit.
    double GetScale() const;
    CPoint WidgetToClient(CPoint widget) const;
    // The widget pixel at the middle of a client point's canvas unit.
    CPoint ClientToWidget(CPoint client) const;
    // Each edge rounded to the nearest widget pixel.
    CRect ClientToWidget(const CRect& client) const;
    // The dot under a widget pixel; it may lie outside the display.
    CPoint WidgetToDot(CPoint widget) const;

private:
    std::int32_t m_nPixelsPerDot = kMinZoom;
};

}  // namespace tavelo
