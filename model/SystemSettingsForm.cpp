#include "SystemSettingsForm.h"

#include <algorithm>

#include "ControlRegisterNames.h"
#include "FieldText.h"
#include "SettingsMessages.h"
#include "StationNumber.h"

namespace tavelo {

namespace st = settings_text;

const std::array<CSystemSettingsForm::CSaverChoice, 9> CSystemSettingsForm::kSaverChoices = {{
    {st::kSaverNever, 0},
    {st::kSaverOneMinute, 1},
    {st::kSaverTwoMinutes, 2},
    {st::kSaverThreeMinutes, 3},
    {st::kSaverFiveMinutes, 5},
    {st::kSaverTenMinutes, 10},
    {st::kSaverTwentyMinutes, 20},
    {st::kSaverThirtyMinutes, 30},
    {st::kSaverOneHour, 60},
}};

CSystemSettingsForm::CSystemSettingsForm(CSystemSettings& settings, const CAppState& state)
    : m_settings(settings), m_original(settings), m_state(state) {
    CPLC plc = state.m_currentPlc;
    plc.QueryStationRange(m_stationRange.m_nLow, m_stationRange.m_nHigh);
}

std::optional<std::u16string> CSystemSettingsForm::Open() {
    ShowValues();
    ChooseUnit();
    return Apply();
}

std::optional<std::u16string> CSystemSettingsForm::SetFieldText(Field field,
                                                                std::u16string_view text) {
    if (!IsFieldEditable(field)) return std::nullopt;
    Text(field) = field == Field::kPassword ? DigitsOnly(text, CSystemSettings::kPasswordLength)
                                            : std::u16string(text);
    return Apply();
}

std::optional<std::u16string> CSystemSettingsForm::ClickFunction(Function function) {
    m_bFunctionChecks[function] = !m_bFunctionChecks[function];
    return Apply();
}

std::optional<std::u16string> CSystemSettingsForm::ClickSaverAction(std::int32_t action) {
    if (action != CSystemSettings::kSaverShowScreen &&
        action != CSystemSettings::kSaverBacklightOff)
        return std::nullopt;
    m_nSaverActionChoice = action;
    return Apply();
}

std::optional<std::u16string> CSystemSettingsForm::SelectUnit(int position) {
    if (!IsUnitListEnabled() || position < 0 || position >= static_cast<int>(m_unitNames.size()))
        return std::nullopt;
    m_nUnitSelection = position;
    return Apply();
}

std::optional<std::u16string> CSystemSettingsForm::SelectSaverTime(int position) {
    if (position < 0 || position >= static_cast<int>(kSaverChoices.size())) return std::nullopt;
    m_nSaverSelection = position;
    return Apply();
}

std::vector<std::u16string> CSystemSettingsForm::GetSaverList() const {
    std::vector<std::u16string> texts;
    for (const CSaverChoice& choice : kSaverChoices) texts.emplace_back(choice.m_pszText);
    return texts;
}

const char16_t* CSystemSettingsForm::GetDirectionLabel() const {
    return m_state.m_nModelIndex == CAppState::kModelZorB ? st::kDirectionZorB : st::kDirectionZorA;
}

CSpinRange CSystemSettingsForm::GetSpinRange(Field field) const {
    switch (field) {
        case Field::kInitialScreen:
        case Field::kSaverScreen:
            return kScreenRange;
        case Field::kControlRegister:
            return {m_chosenUnit.m_nByteLow, m_chosenUnit.m_nByteHigh};
        case Field::kStation:
            return m_stationRange;
        case Field::kPassword:
            break;
    }
    return {};  // the password has no spin button
}

bool CSystemSettingsForm::IsSaverScreenVisible() const {
    return m_nSaverActionChoice == CSystemSettings::kSaverShowScreen;
}

bool CSystemSettingsForm::IsFieldEditable(Field field) const {
    switch (field) {
        case Field::kSaverScreen:
            return IsSaverScreenVisible();
        case Field::kControlRegister:
        case Field::kStation:
            return IsAnyFunctionChecked();
        case Field::kInitialScreen:
        case Field::kPassword:
            break;
    }
    return true;
}

bool CSystemSettingsForm::IsAnyFunctionChecked() const {
    return std::find(m_bFunctionChecks.begin(), m_bFunctionChecks.end(), true) !=
           m_bFunctionChecks.end();
}

std::optional<std::u16string> CSystemSettingsForm::Apply() {
    FillEmptyFields();
    ReadControls();
    Validate();
    std::optional<std::u16string> message;
    if (m_settings.m_nSaverScreen == st::kTimingNoticeScreen &&
        m_settings.m_strPassword == st::kTimingNoticeCode)
        message = st::kTimingNotice;
    ShowValues();
    UpdateRegisterTexts();
    return message;
}

void CSystemSettingsForm::FillEmptyFields() {
    auto fill = [this](Field field, const char16_t* value) {
        if (Text(field).empty()) Text(field) = value;
    };
    fill(Field::kInitialScreen, u"1");
    if (IsSaverScreenVisible()) fill(Field::kSaverScreen, u"1");
    fill(Field::kControlRegister, u"0");
    fill(Field::kStation, u"0");
}

// A field that holds no number (the user is still typing, or typed letters) keeps the
// setting; showing the values afterwards puts that number back into the field.
void CSystemSettingsForm::ReadNumber(Field field, std::int32_t& value) const {
    if (const std::optional<std::int32_t> number = ParseFieldNumber(GetFieldText(field)))
        value = *number;
}

void CSystemSettingsForm::ReadControls() {
    ReadNumber(Field::kInitialScreen, m_settings.m_nInitialScreen);
    m_settings.m_strPassword = GetFieldText(Field::kPassword);
    ReadNumber(Field::kControlRegister, m_settings.m_nControlRegister);
    ReadNumber(Field::kSaverScreen, m_settings.m_nSaverScreen);
    ReadNumber(Field::kStation, m_settings.m_nStation);
    for (std::size_t f = 0; f < CSystemSettings::kFunctionCount; ++f)
        m_settings.m_bFunctions[f] = m_bFunctionChecks[f] ? 1 : 0;
    m_settings.m_bAnalog = m_bAnalogCheck ? 1 : 0;
    m_settings.m_nSaverAction = m_nSaverActionChoice;
    m_settings.m_nUnitPosition = m_nUnitSelection;
    if (m_nSaverSelection >= 0)
        m_settings.m_nSaverMinutes = kSaverChoices[m_nSaverSelection].m_nMinutes;
}

void CSystemSettingsForm::Validate() {
    ChooseUnit();
    m_settings.m_nControlUnitType = static_cast<std::uint8_t>(m_chosenUnit.m_nTypeNo);
    std::int32_t& reg = m_settings.m_nControlRegister;
    if (reg > m_chosenUnit.m_nByteHigh) reg = m_chosenUnit.m_nByteHigh;
    if (reg < m_chosenUnit.m_nByteLow) reg = m_chosenUnit.m_nByteLow;
    m_settings.m_nStation = ClampStationNumber(m_settings.m_nStation, m_state.m_nPlcListIndex);
}

void CSystemSettingsForm::ShowValues() {
    Text(Field::kInitialScreen) = FieldNumberText(m_settings.m_nInitialScreen);
    Text(Field::kPassword) = m_settings.m_strPassword;
    Text(Field::kControlRegister) = FieldNumberText(m_settings.m_nControlRegister);
    Text(Field::kSaverScreen) = FieldNumberText(m_settings.m_nSaverScreen);
    Text(Field::kStation) = FieldNumberText(m_settings.m_nStation);
    for (std::size_t f = 0; f < CSystemSettings::kFunctionCount; ++f)
        m_bFunctionChecks[f] = m_settings.m_bFunctions[f] != 0;
    m_bAnalogCheck = m_settings.m_bAnalog != 0;
    m_nSaverActionChoice = m_settings.m_nSaverAction == CSystemSettings::kSaverShowScreen
                               ? CSystemSettings::kSaverShowScreen
                               : CSystemSettings::kSaverBacklightOff;
    FillUnitList();
    const std::int32_t position = m_settings.m_nUnitPosition;
    m_nUnitSelection =
        position >= 0 && position < static_cast<std::int32_t>(m_unitNames.size()) ? position : -1;
    SelectStoredSaverTime();
}

// Units of 2-byte registers with byte addressing; each goes to the top of the list.
void CSystemSettingsForm::FillUnitList() {
    m_unitNames.clear();
    for (const CRegUnitConfig& unit : m_state.m_currentPlc.m_units)
        if (unit.m_nAddressing == CRegUnitConfig::kByte && unit.m_nUnitBytes == 2)
            m_unitNames.insert(m_unitNames.begin(), unit.m_strName);
}

void CSystemSettingsForm::SelectStoredSaverTime() {
    auto matches = [this](const CSaverChoice& c) {
        return c.m_nMinutes == m_settings.m_nSaverMinutes;
    };
    auto choice = std::find_if(kSaverChoices.begin(), kSaverChoices.end(), matches);
    if (choice == kSaverChoices.end()) {
        m_settings.m_nSaverMinutes = kDefaultSaverMinutes;
        choice = std::find_if(kSaverChoices.begin(), kSaverChoices.end(), matches);
    }
    m_nSaverSelection = static_cast<int>(choice - kSaverChoices.begin());
}

void CSystemSettingsForm::ChooseUnit() {
    const std::vector<CRegUnitConfig>& units = m_state.m_currentPlc.m_units;
    if (units.empty()) {
        m_chosenUnit = CRegUnitConfig();
        m_chosenUnit.m_nTypeNo = m_settings.m_nControlUnitType;
        m_chosenUnit.m_nUnitBytes = kNoUnitBytes;
        return;
    }
    const std::u16string name = m_nUnitSelection >= 0 ? m_unitNames[m_nUnitSelection] : u"";
    const CRegUnitConfig* unit = m_state.m_currentPlc.FindUnit(name);
    m_chosenUnit = unit ? *unit : units.back();
}

// The first function that is on uses the control register itself, the next ones the
// registers after it.
void CSystemSettingsForm::UpdateRegisterTexts() {
    const std::array<std::u16string, 3> names = NameControlRegisters(
        m_chosenUnit.m_strName, m_chosenUnit.m_nUnitBytes, m_settings.m_nControlRegister);
    std::size_t next = 0;
    for (std::size_t f = 0; f < CSystemSettings::kFunctionCount; ++f)
        m_settings.m_strFunctionRegisters[f] = m_settings.m_bFunctions[f] ? names[next++] : u"";
    m_settings.m_nStatusControl = m_settings.ComputeStatusControl();
}

}  // namespace tavelo
