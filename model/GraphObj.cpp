#include "GraphObj.h"

#include <cmath>

#include "Archive.h"
#include "ElementView.h"
#include "FieldSink.h"
#include "TaveloDoc.h"

namespace tavelo {

namespace {

// One axis of the canvas rule: near or beyond the low edge snaps to it; past the high edge
// the element moves back inside, or is cut to the canvas when it also starts near the low edge.
void ClampSpan(std::int32_t& low, std::int32_t& high, std::int32_t extent) {
    const std::int32_t size = WrapInt32(std::int64_t{high} - low);
    if (low < CGraphObj::kSnapDistance && high < extent) {
        low = 0;
        high = size;
    }
    if (high > extent) {
        if (low > CGraphObj::kSnapDistance) {
            high = extent;
            low = WrapInt32(std::int64_t{extent} - size);
        } else if (low < CGraphObj::kSnapDistance) {
            low = 0;
            high = extent;
        }
    }
}

}  // namespace

CGraphObj::CGraphObj(const CGraphObj& other)
    : CSerializable(other),
      m_nScreenNo(kNoScreen),
      m_rcPosition(other.m_rcPosition),
      m_pOwnerDoc(nullptr),
      m_bDrawOutline(other.m_bDrawOutline),
      m_bDrawFill(other.m_bDrawFill),
      m_outlinePen(other.m_outlinePen),
      m_fillBrush(other.m_fillBrush),
      m_bDoubleSize(other.m_bDoubleSize),
      m_bInverse(other.m_bInverse),
      m_bSizeValid(false) {}

void CGraphObj::SetOutlineColour(Colour colour) {
    m_outlinePen.m_nColour = colour;
    if (m_pOwnerDoc) m_pOwnerDoc->UpdateAllViews();
}

void CGraphObj::SetFillColour(Colour colour) {
    m_fillBrush.m_nColour = colour;
    if (m_pOwnerDoc) m_pOwnerDoc->UpdateAllViews();
}

bool CGraphObj::HitBand(const CElementView& view, const CRect& band) const {
    CRect position = m_rcPosition.Normalized();
    const std::int32_t margin = view.GetMarkSize() / 2;
    position.Inflate(margin, margin);
    return position.Intersects(band.Normalized());
}

CPoint CGraphObj::GetMarkPoint(int n) const {
    const CRect& rc = m_rcPosition;
    const std::int32_t xc = WrapInt32(rc.left + std::int64_t{rc.Width()} / 2);
    const std::int32_t yc = WrapInt32(rc.top + std::int64_t{rc.Height()} / 2);
    switch (n) {
        case 1:
            return {rc.left, rc.top};
        case 2:
            return {xc, rc.top};
        case 3:
            return {rc.right, rc.top};
        case 4:
            return {rc.right, yc};
        case 5:
            return {rc.right, rc.bottom};
        case 6:
            return {xc, rc.bottom};
        case 7:
            return {rc.left, rc.bottom};
        case 8:
            return {rc.left, yc};
        default:
            return {xc, yc};
    }
}

CRect CGraphObj::GetMarkRect(int n, const CElementView& view) const {
    const CPoint point = GetMarkPoint(n);
    const std::int32_t half = view.GetMarkSize() / 2 + 1;
    CRect mark{point.x, point.y, point.x, point.y};
    mark.Inflate(half, half);
    return mark;
}

void CGraphObj::DrawSelectionMarks(CDrawSurface& surface, int state) {
    if (state != kMarksSelected) return;
    const CRect before = m_rcPosition;
    ClampToCanvas();
    surface.DrawFocusRect(before.Normalized());
}

void CGraphObj::MoveBy(std::int32_t dx, std::int32_t dy) {
    if ((dx != 0 || dy != 0) && m_pOwnerDoc) m_pOwnerDoc->SetModified();
}

void CGraphObj::SetDoubleSize(std::int32_t value) {
    m_bDoubleSize = value;
    m_bSizeValid = false;
}

void CGraphObj::SetInverse(std::int32_t value) {
    m_bInverse = value;
    m_bSizeValid = false;
}

double CGraphObj::Distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const double dx = static_cast<double>(x1) - x2;
    const double dy = static_cast<double>(y1) - y2;
    return std::sqrt(dx * dx + dy * dy);
}

void CGraphObj::ClampToCanvas() {
    ClampSpan(m_rcPosition.left, m_rcPosition.right, kCanvasWidth);
    ClampSpan(m_rcPosition.top, m_rcPosition.bottom, kCanvasHeight);
}

void CGraphObj::SerializeBase(CArchive& ar) {
    ar.Int32(m_rcPosition.left);
    ar.Int32(m_rcPosition.top);
    ar.Int32(m_rcPosition.right);
    ar.Int32(m_rcPosition.bottom);
    ar.Int32(m_nScreenNo);
    ar.Int32(m_bDoubleSize);
    ar.Int32(m_bInverse);
    if (ar.IsLoading()) m_bSizeValid = false;
}

void DescribeRect(CFieldSink& sink, std::string_view name, const CRect& rect) {
    sink.BeginGroup(name);
    sink.Int("left", rect.left);
    sink.Int("top", rect.top);
    sink.Int("right", rect.right);
    sink.Int("bottom", rect.bottom);
    sink.EndGroup();
}

void CGraphObj::DescribeBaseFields(CFieldSink& sink) const {
    DescribeRect(sink, "position", m_rcPosition);
    sink.Int("screenNo", m_nScreenNo);
    sink.Int("doubleSize", m_bDoubleSize);
    sink.Int("inverse", m_bInverse);
}

}  // namespace tavelo
