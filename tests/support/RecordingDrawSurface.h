#pragma once
// A drawing surface that keeps every call, in order, so tests can check what was drawn.

#include <optional>
#include <vector>

#include "model/DrawSurface.h"

namespace tavelo::test {

class RecordingDrawSurface : public CDrawSurface {
public:
    enum class Kind { FocusRect, Line, Rectangle };

    struct Call {
        Kind kind;
        CRect rect;  // a line's start and end as left, top and right, bottom
        std::optional<CPenDesc> pen;
        std::optional<CBrushDesc> brush;
    };

    void DrawFocusRect(const CRect& rect) override {
        calls.push_back({Kind::FocusRect, rect, std::nullopt, std::nullopt});
    }
    void DrawLine(CPoint from, CPoint to, const std::optional<CPenDesc>& pen) override {
        calls.push_back({Kind::Line, {from.x, from.y, to.x, to.y}, pen, std::nullopt});
    }
    void DrawRectangle(const CRect& rect, const std::optional<CPenDesc>& pen,
                       const std::optional<CBrushDesc>& brush) override {
        calls.push_back({Kind::Rectangle, rect, pen, brush});
    }

    std::vector<Call> calls;
};

}  // namespace tavelo::test
