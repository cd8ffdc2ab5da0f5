#include "TextPanelForm.h"

#include "TextColumns.h"

namespace tavelo {

void CTextPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CTextPanelForm::SetText(std::u16string_view text) {
    m_strText = text;
    Apply();
}

void CTextPanelForm::SetDoubleSize(bool checked) {
    if (!IsDoubleSizeShown()) return;
    m_bDoubleSize = checked;
    Apply();
}

void CTextPanelForm::SetInverse(bool checked) {
    m_bInverse = checked;
    Apply();
}

std::int64_t CTextPanelForm::GetColumnLimit() const {
    return DotMatrixColumnLimit(m_bDoubleSize);
}

void CTextPanelForm::LoadFields() {
    m_position.Load(m_pElement->GetPosition());
    m_strText = m_pElement->GetText();
    m_bDoubleSize = m_pElement->GetDoubleSize() != 0;
    m_bInverse = m_pElement->GetInverse() != 0;
}

bool CTextPanelForm::WriteElement() {
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    m_strText = CutToColumns(m_strText, GetColumnLimit());
    m_pElement->SetText(m_strText);
    m_pElement->SetDoubleSize(m_bDoubleSize);
    m_pElement->SetInverse(m_bInverse);
    WriteKindFields(*m_pElement);
    m_pElement->SetPoint(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    return true;
}

}  // namespace tavelo
