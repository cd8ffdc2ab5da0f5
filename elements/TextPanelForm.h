#pragma once
// The rules of the dot-matrix text panel "文本" without widgets: the X and Y fields, 倍角, 反相
// and the 文字串 field cut to the columns a line holds, applied to a static text at every change.

#include <cstdint>
#include <string>
#include <string_view>

#include "ElementPanelForm.h"
#include "ElementTexts.h"
#include "PanelPosition.h"
#include "StaticText.h"

namespace tavelo {

class CTextPanelForm : public CElementPanelForm<CStaticText> {
public:
    static constexpr int kTemplateId = 132;
    using Axis = CPanelPosition::Axis;

    explicit CTextPanelForm(const CAppState& state) : CElementPanelForm(state) {}

    // User actions; each applies at once. Changes of a hidden check box change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    // A text beyond the column limit is cut; the field then shows the cut text with the caret
    // at its end.
    void SetText(std::u16string_view text);
    void SetDoubleSize(bool checked);
    void SetInverse(bool checked);

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetSpinRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    std::size_t GetPositionLength(Axis axis) const { return m_position.GetMaxLength(axis); }
    const std::u16string& GetText() const { return m_strText; }
    bool IsDoubleSizeChecked() const { return m_bDoubleSize; }
    bool IsInverseChecked() const { return m_bInverse; }
    // Shown and enabled alike.
    virtual bool IsDoubleSizeShown() const { return true; }

protected:
    // 24 columns, 12 with 倍角.
    virtual std::int64_t GetColumnLimit() const;
    void LoadFields() override;
    // Text, double size, inverse, the kind's own fields, and last the top-left corner; nothing
    // while X holds other than 1 to 3 characters or Y other than 1 to 2.
    bool WriteElement() override;
    virtual void WriteKindFields(CStaticText& /*text*/) {}

    bool m_bDoubleSize = false;

private:
    CPanelPosition m_position{CPanelPosition::ESpinLimit::kLastDot,
                              CPanelPosition::EFieldRule::kApplyNothing};
    std::u16string m_strText = element_text::kDefaultStaticText;
    bool m_bInverse = false;
};

}  // namespace tavelo
