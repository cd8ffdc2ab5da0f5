#pragma once
// The rules of the dynamic bitmap panel "动态位图" without widgets: position, the fixed 16 x 16
// size, 位图类型, 位图逻辑 and the coil address, whose unit list shows the units with bit, or byte
// and bit, addressing in reverse table order.

#include <string>
#include <string_view>
#include <vector>

#include "DynamicBitmap.h"
#include "ElementPanelForm.h"
#include "PanelAddressFields.h"
#include "PanelPosition.h"

namespace tavelo {

class CDynamicBitmapPanelForm : public CElementPanelForm<CDynamicBitmap> {
public:
    static constexpr int kTemplateId = 240;
    using Axis = CPanelPosition::Axis;
    using AddressField = CPanelAddressFields::Field;

    static constexpr CSpinRange kPositionSpin = {0, 65535};

    explicit CDynamicBitmapPanelForm(const CAppState& state);

    // User actions; each applies at once, unless a position field is empty, X holds more than
    // 3 or Y more than 2 digits. Disabled fields change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    void SetAddressText(AddressField field, std::u16string_view text);
    // A position in the shown (reversed) list.
    void SelectUnit(int position);
    void SelectBitmapType(int position);
    void SelectLogic(int position);

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis /*axis*/) const { return kPositionSpin; }
    // 宽 and 高, disabled.
    static std::u16string GetSizeText();
    static std::vector<std::u16string> GetBitmapTypeList();
    int GetBitmapTypeSelection() const { return m_nBitmapType; }
    static std::vector<std::u16string> GetLogicList();
    int GetLogicSelection() const { return m_nLogic; }
    std::vector<std::u16string> GetUnitList() const;
    int GetUnitSelection() const;
    const std::u16string& GetAddressText(AddressField field) const {
        return m_address.GetText(field);
    }
    CSpinRange GetAddressRange(AddressField field) const { return m_address.GetSpinRange(field); }
    bool IsAddressEnabled() const { return m_address.IsAddressEnabled(); }
    bool IsBitEnabled() const { return m_address.IsBitEnabled(); }

protected:
    void LoadFields() override;
    bool WriteElement() override;

private:
    // Between shown and table order, both ways.
    int Reversed(int position) const;

    CPanelPosition m_position{CPanelPosition::ESpinLimit::kLastDot,
                              CPanelPosition::EFieldRule::kApplyNothing};
    CPanelAddressFields m_address;
    int m_nBitmapType = 0;
    int m_nLogic = 0;
};

}  // namespace tavelo
