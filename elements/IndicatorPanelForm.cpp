#include "IndicatorPanelForm.h"

#include "CoilUnits.h"
#include "ElementTexts.h"

namespace tavelo {

namespace {

CAddressFieldRules CoilAddressRules() {
    CAddressFieldRules rules;
    rules.m_nUnitFilter = kCoilUnitFilter;
    // Unlike the register panel, an empty station field means station 0.
    rules.m_nEmptyStation = 0;
    return rules;
}

// A list position, or the current one for a position outside the two-entry list.
int TwoEntryChoice(int position, int current) {
    return position == 0 || position == 1 ? position : current;
}

}  // namespace

CIndicatorPanelForm::CIndicatorPanelForm(const CAppState& state)
    : CElementPanelForm(state), m_address(state, CoilAddressRules()) {}

void CIndicatorPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CIndicatorPanelForm::SetAddressText(AddressField field, std::u16string_view text) {
    m_address.SetText(field, text);
    Apply();
}

void CIndicatorPanelForm::SelectUnit(int position) {
    m_address.SelectUnit(position);
    Apply();
}

void CIndicatorPanelForm::SetDoubleSize(bool checked) {
    m_bDoubleSize = checked;
    Apply();
}

void CIndicatorPanelForm::SelectShape(int position) {
    m_nShape = TwoEntryChoice(position, m_nShape);
    Apply();
}

void CIndicatorPanelForm::SelectLogic(int position) {
    m_nLogic = TwoEntryChoice(position, m_nLogic);
    Apply();
}

std::vector<std::u16string> CIndicatorPanelForm::GetShapeList() {
    return {element_text::kRound, element_text::kSquare};
}

std::vector<std::u16string> CIndicatorPanelForm::GetLogicList() {
    return {element_text::kPositiveLogic, element_text::kNegativeLogic};
}

void CIndicatorPanelForm::LoadFields() {
    const CIndicator& element = *m_pElement;
    m_position.Load(element.GetPosition());
    m_address.Load(element.GetAddress());
    m_bDoubleSize = element.GetDoubleSize() != 0;
    m_nShape =
        element.GetLampShape() == CIndicator::kRound ? CIndicator::kRound : CIndicator::kSquare;
    m_nLogic =
        element.GetLogic() == CIndicator::kPositive ? CIndicator::kPositive : CIndicator::kNegative;
}

bool CIndicatorPanelForm::WriteElement() {
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    CIndicator& element = *m_pElement;
    CRegisterUnit address = element.GetAddress();
    const std::int32_t linearAddress = m_address.ApplyTo(address);
    element.SetPoint(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    element.SetDoubleSize(m_bDoubleSize);
    element.SetAddress(address);
    element.SetLampShape(m_nShape);
    element.SetLogic(m_nLogic);
    element.SetLinearAddress(linearAddress);
    if (m_address.GetUnitSelection() >= 0) element.SetTypeIndex(m_address.GetUnitSelection());
    return true;
}

}  // namespace tavelo
