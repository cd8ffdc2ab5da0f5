#include "DynamicBitmapPanelForm.h"

#include <algorithm>

#include "CoilUnits.h"
#include "ElementTexts.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

CAddressFieldRules CoilAddressRules() {
    CAddressFieldRules rules;
    rules.m_nUnitFilter = kCoilUnitFilter;
    return rules;
}

}  // namespace

CDynamicBitmapPanelForm::CDynamicBitmapPanelForm(const CAppState& state)
    : CElementPanelForm(state), m_address(state, CoilAddressRules()) {}

void CDynamicBitmapPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CDynamicBitmapPanelForm::SetAddressText(AddressField field, std::u16string_view text) {
    m_address.SetText(field, text);
    Apply();
}

void CDynamicBitmapPanelForm::SelectUnit(int position) {
    m_address.SelectUnit(Reversed(position));
    Apply();
}

void CDynamicBitmapPanelForm::SelectBitmapType(int position) {
    if (position < 0 || position >= static_cast<int>(GetBitmapTypeList().size())) return;
    m_nBitmapType = position;
    Apply();
}

void CDynamicBitmapPanelForm::SelectLogic(int position) {
    if (position < 0 || position >= static_cast<int>(GetLogicList().size())) return;
    m_nLogic = position;
    Apply();
}

std::u16string CDynamicBitmapPanelForm::GetSizeText() {
    return FieldNumberText(CDynamicBitmap::kDots);
}

std::vector<std::u16string> CDynamicBitmapPanelForm::GetBitmapTypeList() {
    return {element_text::kBitmapType0};
}

std::vector<std::u16string> CDynamicBitmapPanelForm::GetLogicList() {
    return {element_text::kPositiveLogic, element_text::kNegativeLogic};
}

std::vector<std::u16string> CDynamicBitmapPanelForm::GetUnitList() const {
    const std::vector<std::u16string>& names = m_address.GetUnitList();
    return {names.rbegin(), names.rend()};
}

int CDynamicBitmapPanelForm::GetUnitSelection() const {
    const int selection = m_address.GetUnitSelection();
    return selection < 0 ? selection : Reversed(selection);
}

int CDynamicBitmapPanelForm::Reversed(int position) const {
    return static_cast<int>(m_address.GetUnitList().size()) - 1 - position;
}

void CDynamicBitmapPanelForm::LoadFields() {
    const CDynamicBitmap& element = *m_pElement;
    m_position.Load(element.GetPosition());
    m_address.Load(element.GetAddress());
    const int types = static_cast<int>(GetBitmapTypeList().size());
    m_nBitmapType = element.GetBitmapType2() >= 0 && element.GetBitmapType2() < types
                        ? element.GetBitmapType2()
                        : -1;
    m_nLogic = element.GetLogic() == 1 ? 1 : 0;
}

// Station, address and bit are clamped as on the other coil panels.
bool CDynamicBitmapPanelForm::WriteElement() {
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    CDynamicBitmap& element = *m_pElement;
    if (m_nBitmapType >= 0) {
        element.SetBitmapType2(m_nBitmapType);
        element.SetBitmapType(m_nBitmapType);
    }
    CRegisterUnit address = element.GetAddress();
    const std::int32_t linearAddress = m_address.ApplyTo(address);
    element.SetAddress(address);
    if (GetUnitSelection() >= 0) element.SetTypeIndex(GetUnitSelection());
    element.SetLinearAddress(linearAddress);
    element.SetLogic(m_nLogic);
    element.MoveKeepingSize(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    return true;
}

}  // namespace tavelo
