#pragma once
// The rules of the vector dynamic text panel "矢量动态文本属性" without widgets: the dynamic
// text panel without 倍角, with the "字体" button and the column limit of the face size.

#include <cstdint>

#include "DynamicTextPanelForm.h"
#include "FontDialogForm.h"

namespace tavelo {

class CVectorDynamicTextPanelForm : public CDynamicTextPanelForm {
public:
    static constexpr int kTemplateId = 261;

    explicit CVectorDynamicTextPanelForm(const CAppState& state) : CDynamicTextPanelForm(state) {}

    // The "字体" button: the dialog opens on the panel's face and size.
    CFontDialogForm OpenFontDialog() const { return CFontDialogForm(m_font); }
    // The dialog closed: on OK its choice is taken; either way the table is refilled, the
    // panel applies and the edit box closes.
    void CloseFontDialog(const CFontDialogForm& dialog, bool ok);

    const CVectorFont& GetFont() const { return m_font; }
    bool IsDoubleSizeShown() const override { return false; }

protected:
    // 2n columns for the n glyphs of the face size across the canvas; 12 with 倍角.
    std::int64_t GetColumnLimit() const override;
    void LoadFields() override;
    // The vector flag, face and size.
    void WriteKindFields(CDynamicText& text) override;

private:
    CVectorFont m_font{element_text::kFaceSongTi, CFontDialogForm::kDefaultSize};
};

}  // namespace tavelo
