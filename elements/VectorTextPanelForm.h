#pragma once
// The rules of the vector text panel "矢量文本属性" without widgets: the text panel's fields
// without 倍角, the "字体" button with its font dialog, and the column limit of the chosen
// face size.

#include <cstdint>

#include "FontDialogForm.h"
#include "TextPanelForm.h"

namespace tavelo {

class CVectorTextPanelForm : public CTextPanelForm {
public:
    static constexpr int kTemplateId = 259;

    explicit CVectorTextPanelForm(const CAppState& state) : CTextPanelForm(state) {}

    // The "字体" button: the dialog opens on the panel's face and size.
    CFontDialogForm OpenFontDialog() const { return CFontDialogForm(m_font); }
    // The dialog closed: on OK its choice is taken; either way the panel applies.
    void CloseFontDialog(const CFontDialogForm& dialog, bool ok);

    const CVectorFont& GetFont() const { return m_font; }
    bool IsDoubleSizeShown() const override { return false; }

protected:
    // 2n columns, n with 倍角, for the n glyphs of the face size across the canvas.
    std::int64_t GetColumnLimit() const override;
    void LoadFields() override;
    // The vector flag, face and size.
    void WriteKindFields(CStaticText& text) override;

private:
    CVectorFont m_font{element_text::kFaceSongTi, CFontDialogForm::kDefaultSize};
};

}  // namespace tavelo
