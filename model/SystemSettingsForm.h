#pragma once
// The rules of the system settings dialog "设置ZOR" without widgets: what every control shows,
// which are visible and enabled, and what each user action changes. The Qt dialog only
// drives it. Made when the command starts, it keeps a copy of the settings for Cancel; every
// action applies at once to the document's own settings, so OK has nothing left to do but
// mark the document modified.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AppState.h"
#include "RegUnitConfig.h"
#include "SpinRange.h"
#include "SystemSettings.h"

namespace tavelo {

class CSystemSettingsForm {
public:
    using Function = CSystemSettings::Function;

    enum class Field { kInitialScreen, kPassword, kControlRegister, kSaverScreen, kStation };
    static constexpr std::size_t kFieldCount = 5;

    struct CSaverChoice {
        const char16_t* m_pszText;
        std::uint8_t m_nMinutes;
    };
    static const std::array<CSaverChoice, 9> kSaverChoices;
    // Shown in place of a stored saver time that is none of the choices.
    static constexpr std::uint8_t kDefaultSaverMinutes = 3;

    static constexpr CSpinRange kScreenRange = {1, 32767};
    // What validation uses when the current PLC type has no address unit at all: a single
    // register 0 of 2 bytes, keeping the stored unit type number.
    static constexpr std::int32_t kNoUnitBytes = 2;

    CSystemSettingsForm(CSystemSettings& settings, const CAppState& state);

    // Fills the lists, ranges and fields from the settings and applies once.
    std::optional<std::u16string> Open();

    // User actions; each applies and returns the message to show, if any. Actions on hidden
    // or disabled controls change nothing.
    std::optional<std::u16string> SetFieldText(Field field, std::u16string_view text);
    std::optional<std::u16string> ClickFunction(Function function);
    std::optional<std::u16string> ClickSaverAction(std::int32_t action);
    std::optional<std::u16string> SelectUnit(int position);
    std::optional<std::u16string> SelectSaverTime(int position);

    // Puts back the settings as they were when the form was made.
    void Cancel() { m_settings = m_original; }

    // What the controls show.
    const std::u16string& GetFieldText(Field field) const { return m_fieldTexts[Index(field)]; }
    bool IsFunctionChecked(Function function) const { return m_bFunctionChecks[function]; }
    bool IsAnalogChecked() const { return m_bAnalogCheck; }
    bool IsAnalogEnabled() const { return false; }
    std::int32_t GetSaverAction() const { return m_nSaverActionChoice; }
    const std::vector<std::u16string>& GetUnitList() const { return m_unitNames; }
    int GetUnitSelection() const { return m_nUnitSelection; }
    std::vector<std::u16string> GetSaverList() const;
    int GetSaverSelection() const { return m_nSaverSelection; }
    const std::u16string& GetRegisterText(Function function) const {
        return m_settings.m_strFunctionRegisters[function];
    }
    const char16_t* GetDirectionLabel() const;
    CSpinRange GetSpinRange(Field field) const;

    bool IsSaverScreenVisible() const;
    bool IsRegisterTextVisible(Function function) const { return IsFunctionChecked(function); }
    bool IsRegisterTextEnabled(Function function) const { return IsFunctionChecked(function); }
    bool IsRegisterLabelVisible(Function function) const { return IsFunctionChecked(function); }
    bool IsDirectionLabelEnabled(Function function) const { return IsFunctionChecked(function); }
    // The unit list, control register and station fields serve the three functions only.
    bool IsUnitListEnabled() const { return IsAnyFunctionChecked(); }
    bool IsControlRegisterEnabled() const { return IsAnyFunctionChecked(); }
    bool IsStationEnabled() const { return IsAnyFunctionChecked(); }
    bool IsFieldEditable(Field field) const;

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    bool IsAnyFunctionChecked() const;
    std::u16string& Text(Field field) { return m_fieldTexts[Index(field)]; }

    std::optional<std::u16string> Apply();
    void FillEmptyFields();
    void ReadControls();
    void Validate();
    void ShowValues();
    void FillUnitList();
    void SelectStoredSaverTime();
    void ChooseUnit();
    void UpdateRegisterTexts();
    void ReadNumber(Field field, std::int32_t& value) const;

    CSystemSettings& m_settings;
    const CSystemSettings m_original;
    const CAppState& m_state;

    std::array<std::u16string, kFieldCount> m_fieldTexts;
    std::array<bool, CSystemSettings::kFunctionCount> m_bFunctionChecks{};
    bool m_bAnalogCheck = false;
    std::int32_t m_nSaverActionChoice = CSystemSettings::kSaverBacklightOff;
    std::vector<std::u16string> m_unitNames;
    int m_nUnitSelection = -1;
    int m_nSaverSelection = -1;
    // The unit validation found for the selected name; its limits bound the control register.
    CRegUnitConfig m_chosenUnit;
    CSpinRange m_stationRange;
};

}  // namespace tavelo
