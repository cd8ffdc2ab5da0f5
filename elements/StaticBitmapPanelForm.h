#pragma once
// The rules of the static bitmap panel "静态位图属性" without widgets: X and Y move the picture
// keeping its size; 宽 and 高 show the picture's size and cannot be edited.

#include <string>
#include <string_view>

#include "ElementPanelForm.h"
#include "PanelPosition.h"
#include "StaticBitmap.h"

namespace tavelo {

class CStaticBitmapPanelForm : public CElementPanelForm<CStaticBitmap> {
public:
    static constexpr int kTemplateId = 228;
    using Axis = CPanelPosition::Axis;

    explicit CStaticBitmapPanelForm(const CAppState& state) : CElementPanelForm(state) {}

    // Applies at once, unless a field is empty, X holds more than 3 or Y more than 2 digits.
    void SetPositionText(Axis axis, std::u16string_view text);

    // What the controls show. The position is kept inside the display, without moving the
    // element.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    std::size_t GetPositionLength(Axis axis) const { return m_position.GetMaxLength(axis); }
    const std::u16string& GetWidthText() const { return m_strWidth; }
    const std::u16string& GetHeightText() const { return m_strHeight; }
    bool IsSizeEnabled() const { return false; }

protected:
    void LoadFields() override;
    bool WriteElement() override;

private:
    CPanelPosition m_position{CPanelPosition::ESpinLimit::kLastDot,
                              CPanelPosition::EFieldRule::kApplyNothing};
    std::u16string m_strWidth;
    std::u16string m_strHeight;
};

}  // namespace tavelo
