#pragma once
// The rules of the alarm list dialog "报警画面" without widgets: the unit list, the station,
// address and bit fields, the rows of alarm texts with their bit labels, and in-place editing
// of a row's text. The Qt dialog only drives it. Made when the command starts, it keeps a copy
// of the alarm list for Cancel.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AlarmList.h"
#include "AppState.h"
#include "RegUnitConfig.h"
#include "SpinRange.h"

namespace tavelo {

class CAlarmListForm {
public:
    enum class Field { kStation, kAddress, kBit };
    static constexpr std::size_t kFieldCount = 3;

    struct CRow {
        std::u16string m_strLabel;  // column "序号": the alarm's bit; empty for an empty text
        std::u16string m_strText;   // column "字符串"

        bool operator==(const CRow&) const = default;
    };

    static constexpr std::uint8_t kPlcIndexWithoutAlarms = 13;
    static constexpr std::size_t kYonghongRows = 56;

    // The refusal the alarm list command shows instead of opening the dialog, if any.
    static std::optional<std::u16string> CheckCommand(const CAppState& state);

    CAlarmListForm(CAlarmList& alarms, const CAppState& state);

    // Fills the unit list, chooses the stored unit and fills the rows.
    void Open();

    // User actions. Edits of a disabled field change nothing.
    void SelectUnit(int position);
    void SetFieldText(Field field, std::u16string_view text);
    // A click on a row's text cell; returns the message to show instead of an edit box.
    std::optional<std::u16string> BeginEdit(int row);
    // The edit box's whole text after a keystroke; returns the message to show, if any.
    std::optional<std::u16string> TypeText(std::u16string_view text);
    void EndEdit() { m_nEditRow = -1; }
    // Takes the rows back as the alarm texts and clamps the address fields.
    void Ok();
    // Puts back the alarm list as it was when the form was made.
    void Cancel();

    // What the controls show.
    const std::vector<std::u16string>& GetUnitList() const { return m_unitNames; }
    int GetUnitSelection() const { return m_nUnitSelection; }
    const std::u16string& GetFieldText(Field field) const { return m_fieldTexts[Index(field)]; }
    CSpinRange GetSpinRange(Field field) const;
    bool IsAddressEnabled() const { return m_unit.m_nAddressing == CRegUnitConfig::kByteAndBit; }
    bool IsBitEnabled() const { return true; }
    const std::vector<CRow>& GetRows() const { return m_rows; }
    bool IsEditing() const { return m_nEditRow >= 0; }
    int GetEditRow() const { return m_nEditRow; }
    const std::u16string& GetEditText() const { return m_strEditText; }
    // Rows at or beyond this position cannot be edited.
    std::size_t GetRowLimit() const;

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

    void FillUnitList();
    int FindStoredUnit() const;
    void ChooseUnit();
    void ShowFields();
    void TakeAddressFields();
    void ReadNumber(Field field, std::int32_t& value) const;
    void TakeEditedText(std::size_t row);
    void FillRows();
    bool PassesPlcBitRange(std::int64_t bitCount) const;
    void RelabelRows();
    std::u16string Label(std::int64_t bit) const;
    void UpdateLinearBit();

    CAlarmList& m_alarms;
    const CAlarmList m_original;
    const CAppState& m_state;

    std::array<std::u16string, kFieldCount> m_fieldTexts;
    std::vector<std::u16string> m_unitNames;
    int m_nUnitSelection = -1;
    // The chosen unit; without any unit to choose, the stored kind and type with no room.
    CRegUnitConfig m_unit;
    CSpinRange m_stationRange;
    std::vector<CRow> m_rows;
    int m_nEditRow = -1;
    std::u16string m_strEditText;
};

}  // namespace tavelo
