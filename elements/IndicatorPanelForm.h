#pragma once
// The rules of the indicator panel "线圈" without widgets: position, 倍角, the coil address
// (units with bit, or byte and bit, addressing), 种类 and 逻辑, applied to an indicator at every
// change. Empty fields take defaults and values are clamped; nothing is ever refused.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ElementPanelForm.h"
#include "Indicator.h"
#include "PanelAddressFields.h"
#include "PanelPosition.h"

namespace tavelo {

class CIndicatorPanelForm : public CElementPanelForm<CIndicator> {
public:
    static constexpr int kTemplateId = 139;
    using Axis = CPanelPosition::Axis;
    using AddressField = CPanelAddressFields::Field;

    explicit CIndicatorPanelForm(const CAppState& state);

    // User actions; each applies at once. Disabled fields change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    void SetAddressText(AddressField field, std::u16string_view text);
    void SelectUnit(int position);
    void SetDoubleSize(bool checked);
    void SelectShape(int position);
    void SelectLogic(int position);

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    const CPanelAddressFields& GetAddressFields() const { return m_address; }
    bool IsDoubleSizeChecked() const { return m_bDoubleSize; }
    static std::vector<std::u16string> GetShapeList();
    static std::vector<std::u16string> GetLogicList();
    int GetShapeSelection() const { return m_nShape; }
    int GetLogicSelection() const { return m_nLogic; }

protected:
    void LoadFields() override;
    bool WriteElement() override;

private:
    CPanelPosition m_position{CPanelPosition::ESpinLimit::kEdge,
                              CPanelPosition::EFieldRule::kTakeDefaults};
    CPanelAddressFields m_address;
    bool m_bDoubleSize = false;
    int m_nShape = CIndicator::kRound;
    int m_nLogic = CIndicator::kPositive;
};

}  // namespace tavelo
