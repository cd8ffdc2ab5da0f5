#include "FunctionKeyPanelForm.h"

#include <algorithm>

#include "CoilUnits.h"
#include "ElementPanelRules.h"
#include "ElementTexts.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

constexpr std::size_t kAnyLength = std::u16string::npos;
constexpr int kFormatCount = 3;
constexpr std::int32_t kRadioCount = 4;

bool IsRadio(std::int32_t position) {
    return position >= 0 && position < kRadioCount;
}

}  // namespace

CFunctionKeyPanelForm::CFunctionKeyPanelForm(const CAppState& state) : CElementPanelForm(state) {
    FillUnitList(CRegisterUnit{});
}

std::int32_t CFunctionKeyPanelForm::ParameterCap(std::int64_t byteWidth) {
    return IntegerValueRange(byteWidth, false).m_nHigh;
}

void CFunctionKeyPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CFunctionKeyPanelForm::SetAddressText(AddressField field, std::u16string_view text) {
    if (IsJumpGroupShown()) return;
    m_address->SetText(field, text);
    Apply();
}

void CFunctionKeyPanelForm::SelectUnit(int position) {
    if (IsJumpGroupShown()) return;
    m_address->SelectUnit(position);
    Apply();
}

void CFunctionKeyPanelForm::SetCheck(Check check, bool checked) {
    m_bChecks[Index(check)] = checked;
    Apply();
}

void CFunctionKeyPanelForm::SelectKey(int position) {
    if (position < 0 || position >= CFunctionKey::kKeyCount) return;
    m_nKeySelection = position;
    Apply();
}

// The typed address fields stay as they were; only the list and its unit change.
void CFunctionKeyPanelForm::SelectAction(std::int32_t action) {
    if (action < CFunctionKey::kActionCoil || action > CFunctionKey::kActionRegister ||
        action == m_nAction)
        return;
    m_nAction = action;
    if (action != CFunctionKey::kActionJump) {
        std::array<std::u16string, CPanelAddressFields::kFieldCount> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = m_address->GetText(static_cast<AddressField>(i));
        CRegisterUnit address = m_pElement ? m_pElement->GetAddress() : CRegisterUnit{};
        address.m_nUnitType =
            action == CFunctionKey::kActionCoil ? kCoilUnitType : kRegisterUnitType;
        FillUnitList(address);
        for (std::size_t i = 0; i < texts.size(); ++i)
            m_address->SetText(static_cast<AddressField>(i), texts[i]);
    }
    Apply();
}

void CFunctionKeyPanelForm::SelectCoilAction(std::int32_t action) {
    if (!IsCoilGroupShown() || !IsRadio(action)) return;
    m_nCoilAction = action;
    Apply();
}

void CFunctionKeyPanelForm::SelectJumpTarget(std::int32_t target) {
    if (!IsJumpGroupShown() || !IsRadio(target)) return;
    m_nJumpTarget = target;
    Apply();
}

void CFunctionKeyPanelForm::SetFieldText(Field field, std::u16string_view text) {
    if (!IsFieldEnabled(field)) return;
    std::u16string digits = DigitsOnly(text, kAnyLength);
    if (digits.empty()) digits = field == Field::kJumpScreen ? u"1" : u"0";
    m_fieldTexts[Index(field)] = std::move(digits);
    Apply();
}

void CFunctionKeyPanelForm::SelectFormat(int position) {
    if (!IsRegisterGroupShown() || position < 0 || position >= kFormatCount) return;
    m_nFormat = position;
    Apply();
}

std::vector<std::u16string> CFunctionKeyPanelForm::GetKeyList() {
    std::vector<std::u16string> entries;
    for (const CFunctionKey::CKeyEntry& key : CFunctionKey::kKeys)
        entries.emplace_back(key.m_pszListEntry);
    return entries;
}

std::vector<std::u16string> CFunctionKeyPanelForm::GetFormatList() {
    return {element_text::kUnsigned, element_text::kSigned, element_text::kHex};
}

CSpinRange CFunctionKeyPanelForm::GetSpinRange(Field field) const {
    return field == Field::kJumpScreen ? kJumpScreenSpin : kParameterSpin;
}

bool CFunctionKeyPanelForm::IsFieldEnabled(Field field) const {
    if (field == Field::kParameter) return IsRegisterGroupShown();
    return IsJumpGroupShown() && m_nJumpTarget == CFunctionKey::kJumpScreen;
}

void CFunctionKeyPanelForm::FillUnitList(const CRegisterUnit& address) {
    CAddressFieldRules rules;
    rules.m_nUnitFilter =
        m_nAction == CFunctionKey::kActionRegister ? CRegUnitConfig::kByte : kCoilUnitFilter;
    rules.m_bHasCount = true;
    rules.m_countSpin = kCountRange;
    rules.m_nPlcIndexOfStations247 = kPlcIndexOfStations247;
    m_address.emplace(m_state, rules);
    m_address->Load(address);
}

std::int32_t CFunctionKeyPanelForm::ReadNumber(Field field) const {
    return ParseFieldNumber(GetFieldText(field)).value_or(0);
}

void CFunctionKeyPanelForm::LoadFields() {
    const CFunctionKey& element = *m_pElement;
    m_position.Load(element.GetPosition());
    m_bChecks = {element.GetDoubleSize() != 0, element.GetInverse() != 0, element.HasHand(),
                 element.IsHidden(), element.NeedsPassword()};
    const std::int32_t key = element.GetKeyListIndex();
    m_nKeySelection = key >= 0 && key < CFunctionKey::kKeyCount ? key : -1;
    const std::int32_t action = element.GetAction();
    m_nAction = action >= CFunctionKey::kActionCoil && action <= CFunctionKey::kActionRegister
                    ? action
                    : CFunctionKey::kActionCoil;
    m_nCoilAction = IsRadio(element.GetCoilAction()) ? element.GetCoilAction() : 0;
    m_nJumpTarget = IsRadio(element.GetJumpTarget()) ? element.GetJumpTarget() : 0;
    const std::int32_t format = element.GetFormatIndex();
    m_nFormat = format >= 0 && format < kFormatCount ? format : 0;
    m_fieldTexts[Index(Field::kJumpScreen)] = FieldNumberText(element.GetJumpScreen());
    m_fieldTexts[Index(Field::kParameter)] = FieldNumberText(element.GetParameter());
    FillUnitList(element.GetAddress());
}

// The radio groups say the same as their one-hot flags, which are stored too.
void CFunctionKeyPanelForm::WriteFlags(CFunctionKey& element) const {
    element.SetActionFlags(m_nAction == CFunctionKey::kActionCoil,
                           m_nAction == CFunctionKey::kActionJump);
    element.SetCoilFlags(
        m_nCoilAction == CFunctionKey::kCoilOn, m_nCoilAction == CFunctionKey::kCoilOff,
        m_nCoilAction == CFunctionKey::kCoilToggle, m_nCoilAction == CFunctionKey::kCoilMomentary);
    element.SetLook(IsChecked(Check::kHand), IsChecked(Check::kHidden),
                    IsChecked(Check::kPassword));
    element.SetJumpFlags(element.GetReserved2(), m_nJumpTarget == CFunctionKey::kJumpScreen,
                         m_nJumpTarget == CFunctionKey::kJumpPassword,
                         m_nJumpTarget == CFunctionKey::kJumpAlarm,
                         m_nJumpTarget == CFunctionKey::kJumpTime);
}

bool CFunctionKeyPanelForm::WriteElement() {
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    CFunctionKey& element = *m_pElement;
    // A hidden key has no hand, also once it is shown again.
    if (IsChecked(Check::kHidden)) m_bChecks[Index(Check::kHand)] = false;
    const std::int32_t key = m_nKeySelection >= 0 ? m_nKeySelection : element.GetKey();
    CRegisterUnit address = element.GetAddress();
    const std::int32_t linearAddress = m_address->ApplyTo(address);
    const std::int32_t jumpScreen = std::clamp(ReadNumber(Field::kJumpScreen),
                                               kJumpScreenRange.m_nLow, kJumpScreenRange.m_nHigh);
    const std::int32_t parameter =
        std::min(ReadNumber(Field::kParameter),
                 ParameterCap(std::int64_t{address.m_nUnitBytes} * address.m_nCount));
    const int typePosition = m_address->GetUnitSelection();

    element.SetPoint(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    element.SetAddress(address);
    element.SetDoubleSize(IsChecked(Check::kDoubleSize));
    element.SetInverse(IsChecked(Check::kInverse));
    element.SetKey(key);
    WriteFlags(element);
    element.SetListPositions(key, typePosition >= 0 ? typePosition : element.GetTypeIndex(),
                             m_nFormat);
    element.SetJumpScreen(jumpScreen);
    element.SetCoilAction(m_nCoilAction);
    element.SetAction(m_nAction);
    element.SetJumpTarget(m_nJumpTarget);
    element.SetLinearAddress(linearAddress);
    element.SetRegisterWrite(address.m_nCount, parameter);
    return true;
}

}  // namespace tavelo
