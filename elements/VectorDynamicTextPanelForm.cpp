#include "VectorDynamicTextPanelForm.h"

#include "TextColumns.h"

namespace tavelo {

void CVectorDynamicTextPanelForm::CloseFontDialog(const CFontDialogForm& dialog, bool ok) {
    if (ok) m_font = dialog.Ok();
    if (!m_pElement) return;
    FillTable();
    Apply();
    EndEdit();
}

std::int64_t CVectorDynamicTextPanelForm::GetColumnLimit() const {
    return m_bDoubleSize ? kDoubleSizeColumns : 2 * VectorGlyphsPerLine(m_font.m_nFontSize);
}

void CVectorDynamicTextPanelForm::LoadFields() {
    m_font = {m_pElement->GetFaceName(), m_pElement->GetFontSize()};
    CDynamicTextPanelForm::LoadFields();
}

void CVectorDynamicTextPanelForm::WriteKindFields(CDynamicText& text) {
    text.SetVector(true);
    text.SetFaceName(m_font.m_strFaceName);
    text.SetFontSize(m_font.m_nFontSize);
}

}  // namespace tavelo
