#pragma once
// The rules of the dialog "PLC及通讯参数选择" without widgets: what its controls show, and what
// each user action does to the project's link settings and the current PLC type.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/AppState.h"
#include "model/LinkSettings.h"

namespace tavelo {

class CLinkSettingsForm {
public:
    using PlcTypeLoader = std::function<std::vector<CPLC>()>;
    enum class SerialField { kBaud, kDataBits, kStopBits, kParity };
    static constexpr int kNoSelection = -1;

    // Opens the dialog: loads the PLC type list into the settings, selects the stored entry
    // (entry 0 with its serial defaults when the stored index is outside the list), makes it
    // the current PLC type unless its protocol is unsupported, and shows the stored serial
    // settings. Throws what the loader throws (CFileError, CArchiveError) before anything
    // has changed.
    CLinkSettingsForm(CLinkSettings& settings, CAppState& state, const PlcTypeLoader& loadPlcTypes);

    // "不支持该协议!" when opening refused the stored PLC type, else empty.
    const std::u16string& GetOpeningMessage() const { return m_strOpeningMessage; }

    const std::vector<std::u16string>& GetPlcTypeNames() const { return m_plcTypeNames; }
    int GetPlcTypeSelection() const { return m_nPlcTypeSelection; }
    static std::vector<std::u16string> GetSerialTexts(SerialField field);
    int GetSerialSelection(SerialField field) const;
    // "通讯参数设置>>" while compact, "通讯参数设置<<" while the serial drop-downs show.
    const char16_t* GetToggleText() const;
    bool IsExpanded() const { return m_bExpanded; }

    // The user picks a PLC type. Returns the message to show, empty when there is none.
    std::u16string SelectPlcType(int position);
    // The user picks an entry of a serial drop-down; kNoSelection leaves it without one.
    void SelectSerial(SerialField field, int position);
    void Toggle() { m_bExpanded = !m_bExpanded; }

    // "确定": keeps the settings and discards the loaded list. Returns true: the project is
    // modified.
    bool Ok();
    // "取消": puts the settings back as they were before opening and makes the PLC type that
    // opening chose current again.
    void Cancel();

private:
    static std::span<const char16_t* const> TextsOf(SerialField field);
    static bool IsUnsupported(const std::u16string& name);

    // Opening step 4 and the first step of a change. False when the type was refused.
    bool RunSelectionStep();
    void TakeSerialDefaults();
    void ShowStoredSerial();
    void ReadSerialControls();
    void SetChoice(SerialField field, std::int64_t value);
    void SetPlcListIndex(std::int32_t index);
    int& Selection(SerialField field) { return m_serialSelections[static_cast<int>(field)]; }

    CLinkSettings& m_settings;
    CAppState& m_state;

    CLinkSettings m_savedFields;
    std::uint8_t m_nSavedStateIndex;
    CPLC m_openingPlc;

    std::u16string m_strOpeningMessage;
    std::vector<std::u16string> m_plcTypeNames;
    int m_nPlcTypeSelection = kNoSelection;
    std::array<int, 4> m_serialSelections = {kNoSelection, kNoSelection, kNoSelection,
                                             kNoSelection};
    bool m_bExpanded = false;
};

}  // namespace tavelo
