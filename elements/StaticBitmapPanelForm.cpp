#include "StaticBitmapPanelForm.h"

#include <algorithm>

#include "model/FieldText.h"

namespace tavelo {

namespace {

// The corner at which the element lies inside the canvas, neither edge below 0.
CRect KeptInsideCanvas(const CRect& rect) {
    const std::int64_t left =
        std::min<std::int64_t>(rect.left, CGraphObj::kCanvasWidth - std::int64_t{rect.Width()});
    const std::int64_t top =
        std::min<std::int64_t>(rect.top, CGraphObj::kCanvasHeight - std::int64_t{rect.Height()});
    return {static_cast<std::int32_t>(std::max<std::int64_t>(left, 0)),
            static_cast<std::int32_t>(std::max<std::int64_t>(top, 0)), rect.right, rect.bottom};
}

}  // namespace

void CStaticBitmapPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CStaticBitmapPanelForm::LoadFields() {
    const CStaticBitmap& element = *m_pElement;
    m_position.Load(KeptInsideCanvas(element.GetCanvasRect()));
    const CRect image = element.GetPosition();
    m_strWidth = FieldNumberText(image.Width());
    m_strHeight = FieldNumberText(image.Height());
}

bool CStaticBitmapPanelForm::WriteElement() {
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    m_pElement->MoveKeepingSize(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    return true;
}

}  // namespace tavelo
