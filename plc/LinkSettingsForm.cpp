#include "LinkSettingsForm.h"

#include <algorithm>

#include "LinkMessages.h"

namespace tavelo {

namespace {

using Field = CLinkSettingsForm::SerialField;

std::uint8_t CLinkSettings::*ChoiceMember(Field field) {
    switch (field) {
        case Field::kDataBits:
            return &CLinkSettings::m_nDataBitsChoice;
        case Field::kStopBits:
            return &CLinkSettings::m_nStopBitsChoice;
        default:
            return &CLinkSettings::m_nParityChoice;
    }
}

constexpr Field kChoiceFields[] = {Field::kDataBits, Field::kStopBits, Field::kParity};
constexpr Field kSerialFields[] = {Field::kBaud, Field::kDataBits, Field::kStopBits,
                                   Field::kParity};

}  // namespace

CLinkSettingsForm::CLinkSettingsForm(CLinkSettings& settings, CAppState& state,
                                     const PlcTypeLoader& loadPlcTypes)
    : m_settings(settings), m_state(state), m_nSavedStateIndex(state.m_nPlcListIndex) {
    m_savedFields.CopyFieldsFrom(settings);
    // A list left from an earlier opening is replaced; a failing load changes nothing.
    settings.m_plcTypes = loadPlcTypes();

    for (const CPLC& type : settings.m_plcTypes) m_plcTypeNames.push_back(type.GetName());
    const std::int32_t stored = settings.m_nPlcListIndex;
    const bool storedInList =
        stored >= 0 && stored < static_cast<std::int64_t>(m_plcTypeNames.size());
    if (storedInList)
        m_nPlcTypeSelection = stored;
    else if (!m_plcTypeNames.empty())
        m_nPlcTypeSelection = 0;

    const bool accepted = RunSelectionStep();
    if (!accepted) m_strOpeningMessage = kUnsupportedProtocolMessage;
    m_openingPlc = state.m_currentPlc;
    // Entry 0 stands in for the stored entry only when it became current.
    if (!storedInList && m_nPlcTypeSelection != kNoSelection && accepted) TakeSerialDefaults();
    ShowStoredSerial();
}

std::span<const char16_t* const> CLinkSettingsForm::TextsOf(SerialField field) {
    switch (field) {
        case SerialField::kBaud:
            return kBaudTexts;
        case SerialField::kDataBits:
            return kDataBitsTexts;
        case SerialField::kStopBits:
            return kStopBitsTexts;
        default:
            return kParityTexts;
    }
}

std::vector<std::u16string> CLinkSettingsForm::GetSerialTexts(SerialField field) {
    const std::span<const char16_t* const> texts = TextsOf(field);
    return {texts.begin(), texts.end()};
}

int CLinkSettingsForm::GetSerialSelection(SerialField field) const {
    return m_serialSelections[static_cast<int>(field)];
}

const char16_t* CLinkSettingsForm::GetToggleText() const {
    return m_bExpanded ? kHideSerialText : kShowSerialText;
}

bool CLinkSettingsForm::IsUnsupported(const std::u16string& name) {
    return std::find(kUnsupportedPlcTypes.begin(), kUnsupportedPlcTypes.end(), name) !=
           kUnsupportedPlcTypes.end();
}

bool CLinkSettingsForm::RunSelectionStep() {
    if (m_plcTypeNames.empty()) return true;
    const std::u16string& name = m_plcTypeNames[std::max(m_nPlcTypeSelection, 0)];
    if (IsUnsupported(name)) return false;
    const auto first = std::find(m_plcTypeNames.begin(), m_plcTypeNames.end(), name);
    m_state.m_currentPlc.CopyFrom(m_settings.m_plcTypes[first - m_plcTypeNames.begin()]);
    return true;
}

void CLinkSettingsForm::SetChoice(SerialField field, std::int64_t value) {
    if (value < 0 || value >= static_cast<std::int64_t>(TextsOf(field).size())) {
        Selection(field) = kNoSelection;
        return;
    }
    Selection(field) = static_cast<int>(value);
    if (field == SerialField::kBaud)
        m_settings.m_nBaudCode = CLinkSettings::kBaudCodes[value];
    else
        m_settings.*ChoiceMember(field) = static_cast<std::uint8_t>(value);
}

// The current PLC type is the dialog's chosen entry, or the previous type after a refusal.
void CLinkSettingsForm::TakeSerialDefaults() {
    const CSerialComParam serial = m_state.m_currentPlc.GetSerial();
    SetChoice(SerialField::kBaud, serial.m_nBaudIndex);
    SetChoice(SerialField::kDataBits, 1 - std::int64_t{serial.m_nDataBits});
    SetChoice(SerialField::kStopBits, 1 - std::int64_t{serial.m_nStopBits});
    SetChoice(SerialField::kParity, serial.m_nParity);
}

void CLinkSettingsForm::ShowStoredSerial() {
    Selection(SerialField::kBaud) = CLinkSettings::BaudIndexOfCode(m_settings.m_nBaudCode);
    for (SerialField field : kChoiceFields) {
        const int choice = m_settings.*ChoiceMember(field);
        const bool listed = choice < static_cast<int>(TextsOf(field).size());
        Selection(field) = listed ? choice : kNoSelection;
    }
}

void CLinkSettingsForm::ReadSerialControls() {
    for (SerialField field : kSerialFields)
        if (GetSerialSelection(field) != kNoSelection) SetChoice(field, GetSerialSelection(field));
}

void CLinkSettingsForm::SetPlcListIndex(std::int32_t index) {
    m_settings.m_nPlcListIndex = index;
    m_state.m_nPlcListIndex = static_cast<std::uint8_t>(index & 0xFF);
}

std::u16string CLinkSettingsForm::SelectPlcType(int position) {
    if (position < 0 || position >= static_cast<int>(m_plcTypeNames.size())) return {};
    m_nPlcTypeSelection = position;
    const bool accepted = RunSelectionStep();
    SetPlcListIndex(position);
    // The drop-downs now show exactly the fields, so reading them back changes nothing.
    TakeSerialDefaults();
    return accepted ? std::u16string() : std::u16string(kUnsupportedProtocolMessage);
}

void CLinkSettingsForm::SelectSerial(SerialField field, int position) {
    const bool listed = position >= 0 && position < static_cast<int>(TextsOf(field).size());
    Selection(field) = listed ? position : kNoSelection;
    ReadSerialControls();
}

bool CLinkSettingsForm::Ok() {
    // Opening on an index outside the list showed entry 0; keep index and type in agreement.
    if (m_nPlcTypeSelection != kNoSelection) SetPlcListIndex(m_nPlcTypeSelection);
    m_settings.m_plcTypes.clear();
    return true;
}

void CLinkSettingsForm::Cancel() {
    m_settings.CopyFieldsFrom(m_savedFields);
    m_settings.m_plcTypes.clear();
    m_state.m_nPlcListIndex = m_nSavedStateIndex;
    m_state.m_currentPlc = m_openingPlc;
}

}  // namespace tavelo
