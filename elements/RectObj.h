#pragma once
// The line and rectangle drawing element, and the base of every other element kind: it adds
// the shape and the shape-dependent hit test and marks.

#include <cstdint>
#include <string>

#include "model/GraphObj.h"

namespace tavelo {

class CRectObj : public CGraphObj {
public:
    static constexpr const char* kClassName = "CRectObj";
    // A line runs from the top-left to the bottom-right corner; any other shape is a rectangle.
    static constexpr std::int32_t kLine = 0;
    static constexpr std::int32_t kRectangle = 1;
    static constexpr int kLineMarkCount = 3;
    // The distance reported for a line of length 0.
    static constexpr std::int64_t kZeroLengthDistance = 65;

    enum class ECorner { TopLeft = 1, BottomRight = 2 };

    CRectObj() = default;
    explicit CRectObj(const CRect& position, std::int32_t shape = kLine)
        : CGraphObj(position), m_nShape(shape) {}

    // The shape as one byte and nothing else; only graphs store it, after their base part.
    void Serialize(CArchive& ar) override;
    std::string GetClassName() const override { return kClassName; }
    // The base fields and the shape.
    void DescribeFields(CFieldSink& sink) const override;

    void Draw(const CElementView& view, CDrawSurface& surface) override;
    int HitPoint(const CElementView& view, CPoint point) const override;
    int GetMarkCount() const override;
    // A line's marks are its start (1), end (2) and middle (3).
    CPoint GetMarkPoint(int n) const override;
    // A negative x becomes 0; the bottom-right corner stays.
    void SetTopLeft(std::int32_t x, std::int32_t y) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    // Distance of (px, py) from the line through the two points, truncated.
    virtual std::int64_t DistanceToLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                        std::int32_t y2, std::int32_t px, std::int32_t py) const;

    // Sets one corner alone.
    void SetPoint(ECorner corner, std::int32_t x, std::int32_t y);
    // The top-left corner with negative coordinates reported as 0; the bottom-right as it is.
    CPoint GetPoint(ECorner corner) const;

    bool IsLine() const { return m_nShape == kLine; }
    std::int32_t GetShape() const { return m_nShape; }

protected:
    CRectObj(const CRectObj& other) = default;

    std::int32_t m_nShape = kLine;

private:
    bool HitsLine(const CRect& line, CPoint point, std::int32_t tolerance) const;
};

}  // namespace tavelo
