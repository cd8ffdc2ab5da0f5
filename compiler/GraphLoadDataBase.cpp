#include "GraphLoadDataBase.h"

#include "elements/RectObj.h"
#include "model/RegisterUnit.h"

namespace tavelo {

namespace {

// The panel tool has always converted with this double, never with 4/9 itself.
constexpr double kDotsPerCanvasUnit = 0.4444444444444444;

std::int32_t CanvasUnitsToDots(std::int32_t units) {
    return static_cast<std::int32_t>(units * kDotsPerCanvasUnit);
}

}  // namespace

CPlcAddress CPlcAddress::Of(const CRegisterUnit& unit) {
    return {unit.m_nStation, unit.m_nUnitType,
            static_cast<std::int32_t>(static_cast<std::int64_t>(unit.m_nCount) * unit.m_nUnitBytes),
            unit.m_nAddress};
}

CPoint RecordPosition(const CRectObj& element) {
    // Negative coordinates read as 0, so a corner off the canvas never wraps to the far side.
    const CPoint topLeft = element.GetPoint(CRectObj::ECorner::TopLeft);
    return {CanvasUnitsToDots(topLeft.x), CanvasUnitsToDots(topLeft.y)};
}

void CGraphLoadDataBase::SetPosition(const CRectObj& element) {
    const CPoint dots = RecordPosition(element);
    m_nX = dots.x;
    m_nY = dots.y;
}

void CGraphLoadDataBase::PutPosition(CImageCursor& out) const {
    out.Put8(m_nX);
    out.Put8(m_nY);
}

}  // namespace tavelo
