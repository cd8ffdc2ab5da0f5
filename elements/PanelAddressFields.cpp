#include "PanelAddressFields.h"

#include <algorithm>

#include "ElementPanelRules.h"
#include "model/FieldText.h"
#include "plc/UnitChoiceList.h"

namespace tavelo {

namespace {

constexpr std::size_t kAnyLength = std::u16string::npos;

// Into low..high; a unit whose limits are crossed leaves the high limit in charge.
std::int32_t ClampInto(std::int32_t value, std::int32_t low, std::int32_t high) {
    return std::min(std::max(value, low), high);
}

}  // namespace

CPanelAddressFields::CPanelAddressFields(const CAppState& state, const CAddressFieldRules& rules)
    : m_state(state), m_rules(rules) {}

void CPanelAddressFields::Load(const CRegisterUnit& address) {
    const CUnitChoiceList choices(m_state.m_currentPlc, m_rules.m_nUnitFilter, address.m_nUnitType);
    m_unitNames = choices.GetNames();
    m_unitIndices = choices.GetUnitIndices();
    m_nUnitSelection = choices.GetSelection();
    m_texts[Index(Field::kStation)] = FieldNumberText(address.m_nStation);
    m_texts[Index(Field::kCount)] = FieldNumberText(address.m_nCount);
    m_texts[Index(Field::kAddress)] = FieldNumberText(address.m_nAddress);
    m_texts[Index(Field::kBit)] = FieldNumberText(address.m_nBit);
}

void CPanelAddressFields::SelectUnit(int position) {
    if (position >= 0 && position < static_cast<int>(m_unitNames.size()))
        m_nUnitSelection = position;
}

void CPanelAddressFields::SetText(Field field, std::u16string_view text) {
    if ((field == Field::kCount && !IsCountEnabled()) ||
        (field == Field::kAddress && !IsAddressEnabled()) ||
        (field == Field::kBit && !IsBitEnabled()))
        return;
    std::u16string digits = DigitsOnly(text, kAnyLength);
    if (digits.empty())
        digits = FieldNumberText(field == Field::kStation ? m_rules.m_nEmptyStation
                                 : field == Field::kCount ? 1
                                                          : 0);
    m_texts[Index(field)] = std::move(digits);
}

std::int32_t CPanelAddressFields::ReadNumber(Field field) const {
    return ParseFieldNumber(GetText(field)).value_or(0);
}

// The list was filled from the PLC type of its last load; a unit that has since gone from the
// current PLC type is no longer there to choose.
const CRegUnitConfig* CPanelAddressFields::GetUnit() const {
    if (m_nUnitSelection < 0) return nullptr;
    const auto position = static_cast<std::size_t>(m_nUnitSelection);
    const std::vector<CRegUnitConfig>& units = m_state.m_currentPlc.m_units;
    const std::size_t index = m_unitIndices[position];
    if (index >= units.size() || units[index].m_strName != m_unitNames[position]) return nullptr;
    return &units[index];
}

std::int32_t CPanelAddressFields::ApplyTo(CRegisterUnit& address) const {
    const std::int32_t highestStation =
        m_state.m_nPlcListIndex == m_rules.m_nPlcIndexOfStations247 ? kStationMax247 : kStationMax;
    address.m_nStation = ClampInto(ReadNumber(Field::kStation), 0, highestStation);
    std::int32_t count = ReadNumber(Field::kCount);
    std::int32_t number = ReadNumber(Field::kAddress);
    std::int32_t bit = ReadNumber(Field::kBit);
    const CRegUnitConfig* unit = GetUnit();
    if (unit) {
        address.m_nUnitType = unit->m_nTypeNo;
        address.m_nUnitBytes = unit->m_nUnitBytes;
        count = std::min(count, unit->m_nMaxCount);
        number = ClampInto(number, unit->m_nByteLow, unit->m_nByteHigh);
        bit = ClampInto(bit, unit->m_nBitLow, unit->m_nBitHigh);
    }
    if (m_rules.m_bHasCount) address.m_nCount = std::max(count, 1);
    address.m_nAddress = number;
    address.m_nBit = bit;
    return unit ? LinearAddress(*unit, number, bit) : number;
}

CSpinRange CPanelAddressFields::GetSpinRange(Field field) const {
    if (field == Field::kStation) return StationSpinRange(m_state.m_currentPlc);
    if (field == Field::kCount && m_rules.m_countSpin) return *m_rules.m_countSpin;
    const CRegUnitConfig* unit = GetUnit();
    if (!unit) return {};
    switch (field) {
        case Field::kCount:
            return {1, unit->m_nMaxCount};
        case Field::kAddress:
            return {unit->m_nByteLow, unit->m_nByteHigh};
        case Field::kBit:
        case Field::kStation:
            break;
    }
    return {unit->m_nBitLow, unit->m_nBitHigh};
}

bool CPanelAddressFields::IsCountEnabled() const {
    const CRegUnitConfig* unit = GetUnit();
    return m_rules.m_bHasCount && (m_rules.m_countSpin || (unit && unit->m_nMaxCount > 1));
}

bool CPanelAddressFields::IsAddressEnabled() const {
    const CRegUnitConfig* unit = GetUnit();
    return !unit || unit->m_nAddressing != CRegUnitConfig::kBit;
}

bool CPanelAddressFields::IsBitEnabled() const {
    const CRegUnitConfig* unit = GetUnit();
    return unit && unit->m_nAddressing != CRegUnitConfig::kByte;
}

}  // namespace tavelo
