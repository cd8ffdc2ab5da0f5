#include "VectorTextPanelForm.h"

#include "TextColumns.h"

namespace tavelo {

void CVectorTextPanelForm::CloseFontDialog(const CFontDialogForm& dialog, bool ok) {
    if (ok) m_font = dialog.Ok();
    Apply();
}

std::int64_t CVectorTextPanelForm::GetColumnLimit() const {
    const std::int64_t glyphs = VectorGlyphsPerLine(m_font.m_nFontSize);
    return m_bDoubleSize ? glyphs : 2 * glyphs;
}

void CVectorTextPanelForm::LoadFields() {
    CTextPanelForm::LoadFields();
    m_font = {m_pElement->GetFaceName(), m_pElement->GetFontSize()};
}

void CVectorTextPanelForm::WriteKindFields(CStaticText& text) {
    text.SetVector(true);
    text.SetFaceName(m_font.m_strFaceName);
    text.SetFontSize(m_font.m_nFontSize);
}

}  // namespace tavelo
