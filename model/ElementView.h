#pragma once
// What the document and the elements ask of the editing view: the current screen, the
// selection, the mark size, the placement preview and the canvas-to-device mapping.

#include <cstdint>

#include "Geometry.h"

namespace tavelo {

class CGraphObj;

class CElementView {
public:
    // Size in pixels of the selection marks.
    static constexpr std::int32_t kDefaultMarkSize = 6;

    virtual ~CElementView() = default;

    virtual std::int32_t GetCurrentScreenNo() const = 0;
    virtual bool IsSelected(const CGraphObj& element) const = 0;
    virtual bool IsPlacementPreviewOn() const = 0;
    virtual std::int32_t GetMarkSize() const { return kDefaultMarkSize; }

    // Hit tests compare in device coordinates; a view drawing 1:1 keeps the identity.
    virtual CPoint CanvasToDevice(CPoint point) const { return point; }
    CRect CanvasRectToDevice(const CRect& rect) const {
        const CPoint topLeft = CanvasToDevice(rect.TopLeft());
        const CPoint bottomRight = CanvasToDevice(rect.BottomRight());
        return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    }
};

}  // namespace tavelo
