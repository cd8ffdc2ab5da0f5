#include "RegisterPanelForm.h"

#include <algorithm>

#include "ElementPanelRules.h"
#include "ElementTexts.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

constexpr std::size_t kAnyLength = std::u16string::npos;
constexpr std::int32_t kInt32Max = 2147483647;

CAddressFieldRules RegisterAddressRules() {
    CAddressFieldRules rules;
    rules.m_bHasCount = true;
    return rules;
}

// 10^power, saturating beyond the int32 range (every quotient by it is then 0).
std::int64_t PowerOfTen(std::int32_t power) {
    std::int64_t result = 1;
    for (std::int32_t i = 0; i < power && result <= kInt32Max; ++i) result *= 10;
    return result;
}

std::int32_t ClampInto(std::int32_t value, const CSpinRange& range) {
    return std::min(std::max(value, range.m_nLow), range.m_nHigh);
}

}  // namespace

CRegisterPanelForm::CRegisterPanelForm(const CAppState& state)
    : CElementPanelForm(state), m_address(state, RegisterAddressRules()) {}

CSpinRange CRegisterPanelForm::ValueRange(std::int64_t byteWidth, bool isSigned, bool isFloat,
                                          std::int32_t digits, std::int32_t decimals) {
    if (!isFloat) return IntegerValueRange(byteWidth, isSigned);
    const std::int32_t k = std::max(decimals, 0);
    if (digits >= CRegister::kMaxDigits) {
        const auto highest = static_cast<std::int32_t>(kInt32Max / PowerOfTen(k));
        return {-highest, highest};
    }
    const std::int32_t nines = digits - k;
    const auto highest = static_cast<std::int32_t>(nines > 0 ? PowerOfTen(nines) - 1 : 0);
    return {-highest, highest};
}

void CRegisterPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CRegisterPanelForm::SetAddressText(AddressField field, std::u16string_view text) {
    m_address.SetText(field, text);
    Apply();
}

void CRegisterPanelForm::SelectUnit(int position) {
    m_address.SelectUnit(position);
    Apply();
}

void CRegisterPanelForm::SetFieldText(Field field, std::u16string_view text) {
    if (!IsFieldEnabled(field)) return;
    std::u16string& shown = m_fieldTexts[Index(field)];
    if (IsLimitField(field)) {
        if (!IsSignedNumberText(text)) return;
        shown = text;
    } else {
        shown = DigitsOnly(text, kAnyLength);
    }
    if (shown.empty()) shown = FieldNumberText(field == Field::kDigits ? kEmptyDigits : 0);
    Apply();
}

void CRegisterPanelForm::SetCheck(Check check, bool checked) {
    if (!IsCheckEnabled(check)) return;
    Checked(check) = checked;
    Apply();
}

void CRegisterPanelForm::SetDecimal(bool decimal) {
    if (!IsModeEnabled()) return;
    m_bDecimal = decimal;
    Apply();
}

void CRegisterPanelForm::SelectDataMode(int position) {
    if (!IsDataModeEnabled() || position < 0 ||
        position >= static_cast<int>(GetDataModeList().size()))
        return;
    m_nDataMode = position;
    Apply();
}

std::vector<std::u16string> CRegisterPanelForm::GetDataModeList() const {
    if (IsFloatOn()) return {element_text::kDataModeRaw};
    return {element_text::kDataModeRaw, element_text::kDataModeEngineering};
}

bool CRegisterPanelForm::IsFloatShown() const {
    return IsFloatOffered(m_state);
}

bool CRegisterPanelForm::IsCheckEnabled(Check check) const {
    switch (check) {
        case Check::kSigned:
            return m_bDecimal && !IsFloatOn();
        case Check::kFloat:
            return IsFloatShown();
        case Check::kPassword:
        case Check::kLimits:
            return IsChecked(Check::kSettable);
        case Check::kDoubleSize:
        case Check::kInverse:
        case Check::kSettable:
            break;
    }
    return true;
}

bool CRegisterPanelForm::IsDataModeEnabled() const {
    return IsChecked(Check::kSettable) && IsChecked(Check::kLimits);
}

bool CRegisterPanelForm::IsFieldEnabled(Field field) const {
    switch (field) {
        case Field::kInputMax:
        case Field::kInputMin:
            return IsDataModeEnabled();
        case Field::kEngMax:
        case Field::kEngMin:
            return IsDataModeEnabled() && m_nDataMode == CRegister::kDataModeEngineering;
        case Field::kDigits:
        case Field::kDecimals:
            break;
    }
    return true;
}

std::int32_t CRegisterPanelForm::ReadNumber(Field field) const {
    return ParseFieldNumber(GetFieldText(field)).value_or(0);
}

CRegisterUnit CRegisterPanelForm::AppliedAddress(std::int32_t* linearAddress) const {
    CRegisterUnit address = m_pElement ? m_pElement->GetAddress() : CRegisterUnit{};
    const std::int32_t linear = m_address.ApplyTo(address);
    if (linearAddress) *linearAddress = linear;
    return address;
}

CSpinRange CRegisterPanelForm::CurrentValueRange() const {
    const CRegisterUnit address = AppliedAddress();
    return ValueRange(std::int64_t{address.m_nUnitBytes} * address.m_nCount,
                      IsChecked(Check::kSigned), IsFloatOn(), ReadNumber(Field::kDigits),
                      ReadNumber(Field::kDecimals));
}

CSpinRange CRegisterPanelForm::GetSpinRange(Field field) const {
    switch (field) {
        case Field::kDigits:
            return kDigitsRange;
        case Field::kDecimals:
            return {0, ReadNumber(Field::kDigits)};
        case Field::kInputMax:
        case Field::kInputMin:
        case Field::kEngMax:
        case Field::kEngMin:
            break;
    }
    return CurrentValueRange();
}

// 浮点数 is hidden on the first panel model, which has no floating-point values; a float
// register read there keeps its float while it is only shown (see WriteElement).
void CRegisterPanelForm::LoadFields() {
    const CRegister& element = *m_pElement;
    m_position.Load(element.GetPosition());
    m_address.Load(element.GetAddress());
    Checked(Check::kDoubleSize) = element.GetDoubleSize() != 0;
    Checked(Check::kInverse) = element.GetInverse() != 0;
    Checked(Check::kSigned) = element.IsSigned();
    Checked(Check::kFloat) = element.IsFloat();
    Checked(Check::kSettable) = element.IsSettable();
    Checked(Check::kPassword) = element.IsPassword();
    Checked(Check::kLimits) = element.IsLimits();
    m_bDecimal = element.IsDecimal();
    // With float on the list holds raw data only.
    m_nDataMode =
        element.GetDataMode() == CRegister::kDataModeEngineering && !IsChecked(Check::kFloat)
            ? CRegister::kDataModeEngineering
            : CRegister::kDataModeRaw;
    const std::int32_t values[kFieldCount] = {element.GetDigits(),   element.GetDecimals(),
                                              element.GetInputMax(), element.GetInputMin(),
                                              element.GetEngMax(),   element.GetEngMin()};
    for (std::size_t i = 0; i < kFieldCount; ++i) m_fieldTexts[i] = FieldNumberText(values[i]);
}

CRegisterPanelForm::CNumbers CRegisterPanelForm::ReadNumbers() const {
    return {ReadNumber(Field::kDigits),   ReadNumber(Field::kDecimals),
            ReadNumber(Field::kInputMax), ReadNumber(Field::kInputMin),
            ReadNumber(Field::kEngMax),   ReadNumber(Field::kEngMin)};
}

bool CRegisterPanelForm::IsLimitBeingTyped() const {
    for (Field limit : {Field::kInputMax, Field::kInputMin, Field::kEngMax, Field::kEngMin})
        if (GetFieldText(limit) == u"-") return true;
    return false;
}

// Float on forces a signed decimal of raw data; switched off, it takes the sign and every
// negative limit with it.
void CRegisterPanelForm::ApplyFloatRule(CNumbers& numbers) {
    switch (ApplyFloatChoice(IsChecked(Check::kFloat), m_pElement->m_bFloatApplied,
                             m_pElement->m_bCopyMark)) {
        case EFloatChange::kOn:
            Checked(Check::kSigned) = true;
            m_bDecimal = true;
            m_nDataMode = CRegister::kDataModeRaw;
            break;
        case EFloatChange::kSwitchedOff:
            Checked(Check::kSigned) = false;
            for (std::int32_t* limit : {&numbers.m_nInputMax, &numbers.m_nInputMin,
                                        &numbers.m_nEngMax, &numbers.m_nEngMin})
                *limit = std::max(*limit, 0);
            break;
        case EFloatChange::kNone:
            break;
    }
}

// Raw data has no engineering range; HEX/BCD no sign; the limits lie in the value range with
// each lower one at most its upper one; digits 1..10 with fewer decimals.
void CRegisterPanelForm::ClampNumbers(CNumbers& numbers, const CRegisterUnit& address) {
    if (m_nDataMode == CRegister::kDataModeRaw) numbers.m_nEngMax = numbers.m_nEngMin = 0;
    if (!m_bDecimal) Checked(Check::kSigned) = false;
    const CSpinRange range =
        ValueRange(std::int64_t{address.m_nUnitBytes} * address.m_nCount, IsChecked(Check::kSigned),
                   IsChecked(Check::kFloat), numbers.m_nDigits, numbers.m_nDecimals);
    numbers.m_nInputMax = ClampInto(numbers.m_nInputMax, range);
    numbers.m_nInputMin = std::min(ClampInto(numbers.m_nInputMin, range), numbers.m_nInputMax);
    numbers.m_nEngMax = ClampInto(numbers.m_nEngMax, range);
    numbers.m_nEngMin = std::min(ClampInto(numbers.m_nEngMin, range), numbers.m_nEngMax);
    numbers.m_nDigits = std::clamp(numbers.m_nDigits, 1, CRegister::kMaxDigits);
    numbers.m_nDecimals = std::clamp(numbers.m_nDecimals, 0, numbers.m_nDigits - 1);
}

bool CRegisterPanelForm::WriteElement() {
    if (IsLimitBeingTyped()) return false;
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    // Showing must not change what is stored unnoticed: the first model drops float only when
    // the user changes the register, and that apply marks the project modified.
    if (!IsFloatShown() && !IsOnlyShowing()) Checked(Check::kFloat) = false;
    CNumbers numbers = ReadNumbers();
    ApplyFloatRule(numbers);
    std::int32_t linearAddress = 0;
    const CRegisterUnit address = AppliedAddress(&linearAddress);
    ClampNumbers(numbers, address);

    CRegister& element = *m_pElement;
    element.SetDoubleSize(IsChecked(Check::kDoubleSize));
    element.SetInverse(IsChecked(Check::kInverse));
    element.SetDecimal(m_bDecimal);
    element.SetFloat(IsChecked(Check::kFloat));
    element.SetSigned(IsChecked(Check::kSigned));
    element.SetSettable(IsChecked(Check::kSettable));
    element.SetPassword(IsChecked(Check::kPassword));
    element.SetLimits(IsChecked(Check::kLimits));
    element.SetDigits(numbers.m_nDigits, numbers.m_nDecimals);
    element.SetInputLimits(numbers.m_nInputMax, numbers.m_nInputMin);
    element.SetEngineeringLimits(numbers.m_nEngMax, numbers.m_nEngMin);
    element.GetAddress() = address;
    element.SetDataMode(m_nDataMode);
    element.SetEngineering(m_nDataMode == CRegister::kDataModeEngineering);
    if (m_address.GetUnitSelection() >= 0) element.SetTypeIndex(m_address.GetUnitSelection());
    element.SetLinearAddress(linearAddress);
    element.SetPoint(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    return true;
}

}  // namespace tavelo
