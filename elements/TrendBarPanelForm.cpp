#include "TrendBarPanelForm.h"

#include <algorithm>

#include "ElementPanelRules.h"
#include "ElementTexts.h"
#include "model/FieldText.h"

namespace tavelo {

namespace {

constexpr std::size_t kAnyLength = std::u16string::npos;
constexpr std::int32_t kDirectionCount = 4;
// What an empty field shows, in the order of the fields.
constexpr std::int32_t kEmptyValues[] = {16, 48, 0, 0, 2, 1, 10};
// A bar turned by a new direction: long side 48 dots, short side 16.
constexpr std::int32_t kTurnedLongSide = 48;
constexpr std::int32_t kTurnedShortSide = 16;

CAddressFieldRules GraphAddressRules() {
    CAddressFieldRules rules;
    rules.m_bHasCount = true;
    return rules;
}

std::int32_t ClampInto(std::int32_t value, const CSpinRange& range) {
    return std::min(std::max(value, range.m_nLow), range.m_nHigh);
}

}  // namespace

CTrendBarPanelForm::CTrendBarPanelForm(const CAppState& state)
    : CElementPanelForm(state), m_address(state, GraphAddressRules()) {}

void CTrendBarPanelForm::SetPositionText(Axis axis, std::u16string_view text) {
    m_position.SetText(axis, text);
    Apply();
}

void CTrendBarPanelForm::SetAddressText(AddressField field, std::u16string_view text) {
    m_address.SetText(field, text);
    Apply();
}

void CTrendBarPanelForm::SelectUnit(int position) {
    m_address.SelectUnit(position);
    Apply();
}

void CTrendBarPanelForm::SetFieldText(Field field, std::u16string_view text) {
    if (!IsFieldShown(field)) return;
    if (IsScale(field) && !IsSignedNumberText(text)) return;
    std::u16string shown = IsScale(field) ? std::u16string(text) : DigitsOnly(text, kAnyLength);
    if (shown.empty()) shown = FieldNumberText(kEmptyValues[Index(field)]);
    m_fieldTexts[Index(field)] = std::move(shown);
    Apply();
}

void CTrendBarPanelForm::SetDecimal(bool decimal) {
    if (!IsModeShown()) return;
    m_bDecimal = decimal;
    Apply();
}

void CTrendBarPanelForm::SetSigned(bool checked) {
    if (!IsSignedEnabled()) return;
    m_bSigned = checked;
    Apply();
}

void CTrendBarPanelForm::SetFloat(bool checked) {
    if (!IsFloatShown()) return;
    m_bFloat = checked;
    Apply();
}

void CTrendBarPanelForm::SelectDirection(int position) {
    if (!IsDirectionShown() || position < 0 || position >= kDirectionCount) return;
    m_bDirectionChanged = position != m_nDirection;
    m_nDirection = position;
    Apply();
}

std::vector<std::u16string> CTrendBarPanelForm::GetDirectionList() {
    return {element_text::kUp, element_text::kDown, element_text::kLeft, element_text::kRight};
}

bool CTrendBarPanelForm::IsDirectionShown() const {
    return m_pElement && !m_pElement->IsTrendGraph();
}

bool CTrendBarPanelForm::IsFieldShown(Field field) const {
    switch (field) {
        case Field::kPoints:
        case Field::kInterval:
            return m_pElement && m_pElement->IsTrendGraph();
        case Field::kDecimals:
            return IsFloatShown() && m_bFloat;
        default:
            return true;
    }
}

bool CTrendBarPanelForm::IsFloatShown() const {
    return IsFloatOffered(m_state);
}

std::int32_t CTrendBarPanelForm::ReadNumber(Field field) const {
    return ParseFieldNumber(GetFieldText(field)).value_or(0);
}

CSpinRange CTrendBarPanelForm::ScaleRange(const CRegisterUnit& address) const {
    return IntegerValueRange(std::int64_t{address.m_nUnitBytes} * address.m_nCount,
                             m_bSigned && m_bDecimal);
}

CSpinRange CTrendBarPanelForm::GetSpinRange(Field field) const {
    switch (field) {
        case Field::kWidth:
            return kWidthRange;
        case Field::kHeight:
            return kHeightRange;
        case Field::kPoints:
            return {0, AppliedSize().first - 2};
        case Field::kDecimals:
            return kDecimalsRange;
        case Field::kInterval:
            return kIntervalSpin;
        case Field::kFullScale:
        case Field::kZeroScale:
            break;
    }
    CRegisterUnit address = m_pElement ? m_pElement->GetAddress() : CRegisterUnit{};
    m_address.ApplyTo(address);
    return ScaleRange(address);
}

std::pair<std::int32_t, std::int32_t> CTrendBarPanelForm::AppliedSize() const {
    if (m_bDirectionChanged) {
        const bool horizontal =
            m_nDirection == CTrendBar::kLeft || m_nDirection == CTrendBar::kRight;
        return horizontal ? std::pair(kTurnedLongSide, kTurnedShortSide)
                          : std::pair(kTurnedShortSide, kTurnedLongSide);
    }
    return {ClampInto(ReadNumber(Field::kWidth), kWidthRange),
            ClampInto(ReadNumber(Field::kHeight), kHeightRange)};
}

// 浮点数 is hidden on the first panel model: a float graph shows, and is applied, without it.
void CTrendBarPanelForm::LoadFields() {
    const CTrendBar& element = *m_pElement;
    m_position.Load(element.GetPosition());
    m_address.Load(element.GetAddress());
    const std::int32_t values[kFieldCount] = {
        element.GetWidth(),  element.GetHeight(),   element.GetFullScale(), element.GetZeroScale(),
        element.GetPoints(), element.GetDecimals(), element.GetInterval()};
    for (std::size_t i = 0; i < kFieldCount; ++i) m_fieldTexts[i] = FieldNumberText(values[i]);
    m_bDecimal = element.IsDecimal();
    m_bSigned = element.IsSigned();
    m_bFloat = element.IsFloat() && IsFloatShown();
    const std::int32_t direction = element.GetDirection();
    m_nDirection = direction >= 0 && direction < kDirectionCount ? direction : CTrendBar::kUp;
    m_bDirectionChanged = false;
}

bool CTrendBarPanelForm::WriteElement() {
    if (GetFieldText(Field::kFullScale) == u"-" || GetFieldText(Field::kZeroScale) == u"-")
        return false;
    const std::optional<CPoint> topLeft = m_position.GetCanvasTopLeft();
    if (!topLeft) return false;
    CTrendBar& element = *m_pElement;
    std::int32_t full = ReadNumber(Field::kFullScale), zero = ReadNumber(Field::kZeroScale);
    switch (ApplyFloatChoice(m_bFloat, element.m_bFloatApplied, element.m_bCopyMark)) {
        case EFloatChange::kOn:
            m_bSigned = true;
            m_bDecimal = true;
            break;
        case EFloatChange::kSwitchedOff:
            m_bSigned = false;
            zero = std::max(zero, 0);
            if (full < 0) full = kUnsignedFullScale;
            break;
        case EFloatChange::kNone:
            break;
    }
    CRegisterUnit address = element.GetAddress();
    const std::int32_t linearAddress = m_address.ApplyTo(address);
    if (!m_bDecimal) m_bSigned = false;
    const CSpinRange range = ScaleRange(address);
    full = ClampInto(full, range);
    zero = std::min(ClampInto(zero, range), full);
    const auto [width, height] = AppliedSize();
    // Against the width as it will be stored, so that 2 <= points <= width - 2 always holds.
    const std::int32_t points =
        std::max(std::min(ReadNumber(Field::kPoints), width - 2), kFewestPoints);
    const std::int32_t decimals = ClampInto(ReadNumber(Field::kDecimals), kDecimalsRange);
    const std::int32_t interval = ClampInto(ReadNumber(Field::kInterval), kIntervalRange);

    element.SetScales(full, zero);
    element.SetAddress(address);
    element.SetSize(height, width);
    element.SetPoints(points);
    element.SetDecimals(decimals);
    element.SetInterval(interval);
    element.SetDirection(m_nDirection);
    element.SetDecimal(m_bDecimal);
    element.SetSigned(m_bSigned);
    element.SetFloat(m_bFloat);
    element.SetLinearAddress(linearAddress);
    element.SetPoint(CRectObj::ECorner::TopLeft, topLeft->x, topLeft->y);
    if (m_bDirectionChanged) {
        // The fields show the turned size.
        m_fieldTexts[Index(Field::kWidth)] = FieldNumberText(element.GetWidth());
        m_fieldTexts[Index(Field::kHeight)] = FieldNumberText(element.GetHeight());
        m_bDirectionChanged = false;
    }
    return true;
}

}  // namespace tavelo
