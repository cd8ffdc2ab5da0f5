#include "AlarmListForm.h"

#include <algorithm>

#include "FieldText.h"
#include "PanelText.h"
#include "RegisterUnit.h"
#include "SettingsMessages.h"
#include "StationNumber.h"

namespace tavelo {

namespace st = settings_text;

std::optional<std::u16string> CAlarmListForm::CheckCommand(const CAppState& state) {
    if (state.m_nPlcListIndex == kPlcIndexWithoutAlarms) return st::kAlarmNotSupported;
    return std::nullopt;
}

CAlarmListForm::CAlarmListForm(CAlarmList& alarms, const CAppState& state)
    : m_alarms(alarms), m_original(alarms), m_state(state) {
    CPLC plc = state.m_currentPlc;
    plc.QueryStationRange(m_stationRange.m_nLow, m_stationRange.m_nHigh);
}

void CAlarmListForm::Open() {
    FillUnitList();
    m_nUnitSelection = FindStoredUnit();
    ShowFields();
    ChooseUnit();
    if (m_alarms.m_texts.empty()) m_alarms.m_texts.emplace_back();
    FillRows();
}

void CAlarmListForm::SelectUnit(int position) {
    if (position < 0 || position >= static_cast<int>(m_unitNames.size())) return;
    m_nUnitSelection = position;
    ChooseUnit();
    RelabelRows();
}

void CAlarmListForm::SetFieldText(Field field, std::u16string_view text) {
    if (field == Field::kAddress && !IsAddressEnabled()) return;
    m_fieldTexts[Index(field)] = text;
    TakeAddressFields();
    RelabelRows();
}

std::optional<std::u16string> CAlarmListForm::BeginEdit(int row) {
    if (row < 0 || row > static_cast<int>(m_rows.size())) return std::nullopt;
    if (static_cast<std::size_t>(row) >= GetRowLimit()) return st::kAlarmListFull;
    m_nEditRow = row;
    m_strEditText = row < static_cast<int>(m_rows.size()) ? m_rows[row].m_strText : u"";
    return std::nullopt;
}

std::optional<std::u16string> CAlarmListForm::TypeText(std::u16string_view text) {
    if (!IsEditing()) return std::nullopt;
    while (TextColumns(text) > CAlarmList::kMaxTextColumns)
        text = CAlarmList::WithoutLastCharacter(text);
    m_strEditText = text;
    const std::size_t row = static_cast<std::size_t>(m_nEditRow);
    if (m_unit.m_nAddressing == CRegUnitConfig::kBit &&
        std::int64_t{m_alarms.m_nBit} + static_cast<std::int64_t>(row) > m_unit.m_nBitHigh) {
        EndEdit();
        return st::kAlarmAddressLimit;
    }
    TakeEditedText(row);
    return std::nullopt;
}

// Editing the last row keeps one empty row after it to type the next alarm into; an emptied
// row goes away, and the rows after it move up one bit.
void CAlarmListForm::TakeEditedText(std::size_t row) {
    const std::u16string current = row < m_rows.size() ? m_rows[row].m_strText : u"";
    if (m_strEditText == current) return;
    const bool wasLast = row + 1 >= m_rows.size();
    if (row == m_rows.size()) m_rows.emplace_back();
    m_rows[row].m_strText = m_strEditText;
    if (wasLast) m_rows.emplace_back();
    if (m_strEditText.empty()) m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    RelabelRows();
}

void CAlarmListForm::Ok() {
    EndEdit();
    m_alarms.m_texts.clear();
    for (const CRow& row : m_rows) m_alarms.m_texts.push_back(row.m_strText);
    ReadNumber(Field::kStation, m_alarms.m_nStation);
    ReadNumber(Field::kAddress, m_alarms.m_nAddress);
    ReadNumber(Field::kBit, m_alarms.m_nBit);
    m_alarms.m_nBit = std::max(0, std::min(m_alarms.m_nBit, m_unit.m_nBitHigh));
    m_alarms.m_nAddress = std::max(0, std::min(m_alarms.m_nAddress, m_unit.m_nByteHigh));
    m_alarms.m_nStation = ClampStationNumber(m_alarms.m_nStation, m_state.m_nPlcListIndex);
    // The download takes the first alarm bit from the linear bit, so it follows the clamps.
    UpdateLinearBit();
    ShowFields();
}

void CAlarmListForm::Cancel() {
    EndEdit();
    m_alarms = m_original;
}

CSpinRange CAlarmListForm::GetSpinRange(Field field) const {
    switch (field) {
        case Field::kAddress:
            return {m_unit.m_nByteLow, m_unit.m_nByteHigh};
        case Field::kBit:
            return {m_unit.m_nBitLow, m_unit.m_nBitHigh};
        case Field::kStation:
            break;
    }
    return m_stationRange;
}

std::size_t CAlarmListForm::GetRowLimit() const {
    return m_state.m_nPlcListIndex == CAlarmList::kPlcIndexOf56Texts
               ? CAlarmList::kMaxTextsAtIndex15
               : CAlarmList::kMaxTexts;
}

// Units with bit, or byte and bit, addressing; each goes to the top of the list.
void CAlarmListForm::FillUnitList() {
    m_unitNames.clear();
    for (const CRegUnitConfig& unit : m_state.m_currentPlc.m_units)
        if (unit.m_nAddressing == CRegUnitConfig::kBit ||
            unit.m_nAddressing == CRegUnitConfig::kByteAndBit)
            m_unitNames.insert(m_unitNames.begin(), unit.m_strName);
}

// The stored name itself, else the first name that begins with it, else the first entry. The
// exact match comes first so that a stored "D" is not taken for a "DM" listed above it.
int CAlarmListForm::FindStoredUnit() const {
    if (m_unitNames.empty()) return -1;
    const std::u16string& stored = m_alarms.m_strUnitName;
    auto exact = std::find(m_unitNames.begin(), m_unitNames.end(), stored);
    if (exact != m_unitNames.end()) return static_cast<int>(exact - m_unitNames.begin());
    auto prefixed =
        std::find_if(m_unitNames.begin(), m_unitNames.end(),
                     [&](const std::u16string& name) { return name.starts_with(stored); });
    return prefixed != m_unitNames.end() ? static_cast<int>(prefixed - m_unitNames.begin()) : 0;
}

void CAlarmListForm::ChooseUnit() {
    const CRegUnitConfig* unit = m_nUnitSelection >= 0
                                     ? m_state.m_currentPlc.FindUnit(m_unitNames[m_nUnitSelection])
                                     : nullptr;
    if (!unit) {
        // No unit to choose: keep what is stored and leave no room for an address.
        m_unit = CRegUnitConfig();
        m_unit.m_strName = m_alarms.m_strUnitName;
        m_unit.m_nAddressing = m_alarms.m_nAddressing;
        m_unit.m_nTypeNo = m_alarms.m_nUnitType;
        return;
    }
    m_unit = *unit;
    m_alarms.m_strUnitName = unit->m_strName;
    m_alarms.m_nAddressing = unit->m_nAddressing;
    m_alarms.m_nUnitType = unit->m_nTypeNo;
    TakeAddressFields();
}

void CAlarmListForm::ShowFields() {
    m_fieldTexts[Index(Field::kStation)] = FieldNumberText(m_alarms.m_nStation);
    m_fieldTexts[Index(Field::kAddress)] = FieldNumberText(m_alarms.m_nAddress);
    m_fieldTexts[Index(Field::kBit)] = FieldNumberText(m_alarms.m_nBit);
}

// The fields count only when all of them hold a number; until then the user is typing.
void CAlarmListForm::TakeAddressFields() {
    const auto station = ParseFieldNumber(GetFieldText(Field::kStation));
    const auto address = ParseFieldNumber(GetFieldText(Field::kAddress));
    const auto bit = ParseFieldNumber(GetFieldText(Field::kBit));
    if (!station || !address || !bit) return;
    m_alarms.m_nStation = *station;
    m_alarms.m_nAddress = *address;
    m_alarms.m_nBit = *bit;
    UpdateLinearBit();
}

void CAlarmListForm::ReadNumber(Field field, std::int32_t& value) const {
    if (const std::optional<std::int32_t> number = ParseFieldNumber(GetFieldText(field)))
        value = *number;
}

void CAlarmListForm::UpdateLinearBit() {
    m_alarms.m_nLinearBit = LinearAddress(m_unit, m_alarms.m_nAddress, m_alarms.m_nBit);
}

// One row per text until the PLC type's bit range ends; empty texts take no bit.
void CAlarmListForm::FillRows() {
    m_rows.clear();
    const bool yonghong = m_state.m_currentPlc.m_strName == st::kPlcYonghong;
    std::int64_t bitCount = 0;
    for (const std::u16string& text : m_alarms.m_texts) {
        if (yonghong && m_rows.size() >= kYonghongRows) break;
        if (PassesPlcBitRange(bitCount)) {
            m_rows.emplace_back();
            break;
        }
        m_rows.push_back({u"", text});
        if (!text.empty()) ++bitCount;
    }
    RelabelRows();
}

bool CAlarmListForm::PassesPlcBitRange(std::int64_t bitCount) const {
    const std::u16string& plcName = m_state.m_currentPlc.m_strName;
    const std::int64_t bit = std::int64_t{m_alarms.m_nBit} + bitCount;
    if (plcName == st::kPlcZetuo) return bit > m_unit.m_nBitHigh;
    if (plcName == st::kPlcSiemensS7200)
        return std::int64_t{m_alarms.m_nAddress} * 8 + bit >
               std::int64_t{m_unit.m_nByteHigh} * 8 + 7;
    return false;
}

void CAlarmListForm::RelabelRows() {
    std::int64_t bit = m_alarms.m_nBit;
    for (CRow& row : m_rows) {
        if (row.m_strText.empty()) {
            row.m_strLabel.clear();
            continue;
        }
        row.m_strLabel = Label(bit);
        ++bit;
    }
}

std::u16string CAlarmListForm::Label(std::int64_t bit) const {
    const std::u16string& name = m_alarms.m_strUnitName;
    if (m_unit.m_nAddressing == CRegUnitConfig::kBit) return name + FieldNumberText(bit);
    const std::int64_t bitsPerAddress = m_unit.GetBitsPerAddress();
    return name + FieldNumberText(m_alarms.m_nAddress + bit / bitsPerAddress) + u"." +
           FieldNumberText(bit % bitsPerAddress);
}

}  // namespace tavelo
