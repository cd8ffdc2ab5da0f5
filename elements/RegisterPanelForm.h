#pragma once
// The rules of the register panel "显示" without widgets: position, 倍角, 反相, digits and
// decimals, the number format and 浮点数, the register address, 设定 / 加密 / 上下限, the data
// mode list and the four limits, with their ranges, enabling and the apply order and clamps.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ElementPanelForm.h"
#include "PanelAddressFields.h"
#include "PanelPosition.h"
#include "Register.h"

namespace tavelo {

class CRegisterPanelForm : public CElementPanelForm<CRegister> {
public:
    static constexpr int kTemplateId = 143;
    using Axis = CPanelPosition::Axis;
    using AddressField = CPanelAddressFields::Field;

    enum class Field { kDigits, kDecimals, kInputMax, kInputMin, kEngMax, kEngMin };
    static constexpr std::size_t kFieldCount = 6;
    enum class Check { kDoubleSize, kInverse, kSigned, kFloat, kSettable, kPassword, kLimits };
    static constexpr std::size_t kCheckCount = 7;

    static constexpr std::int32_t kEmptyDigits = 5;
    static constexpr CSpinRange kDigitsRange = {0, CRegister::kMaxDigits};

    explicit CRegisterPanelForm(const CAppState& state);

    // The limits a register of byteWidth bytes may hold. With float the digits decide: d
    // digits and k decimals allow d - k nines either way, and 10 digits 2147483647 / 10^k.
    static CSpinRange ValueRange(std::int64_t byteWidth, bool isSigned, bool isFloat,
                                 std::int32_t digits, std::int32_t decimals);

    // User actions; each applies at once. Hidden or disabled controls change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    void SetAddressText(AddressField field, std::u16string_view text);
    void SelectUnit(int position);
    // Digits and decimals take digits only. A limit takes a text only as its typing filter
    // lets it form: an optional leading "-", then digits; a lone "-" waits for the digits
    // without applying. An empty field takes its default at once.
    void SetFieldText(Field field, std::u16string_view text);
    void SetCheck(Check check, bool checked);
    // 十进制 (true) or HEX/BCD (false).
    void SetDecimal(bool decimal);
    void SelectDataMode(int position);

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    const CPanelAddressFields& GetAddressFields() const { return m_address; }
    const std::u16string& GetFieldText(Field field) const { return m_fieldTexts[Index(field)]; }
    CSpinRange GetSpinRange(Field field) const;
    bool IsChecked(Check check) const { return m_bChecks[Index(check)]; }
    bool IsDecimalChecked() const { return m_bDecimal; }
    // "原始数据", and "工程数据" unless 浮点数 is on.
    std::vector<std::u16string> GetDataModeList() const;
    int GetDataModeSelection() const { return m_nDataMode; }

    bool IsFloatShown() const;
    bool IsCheckEnabled(Check check) const;
    bool IsFieldEnabled(Field field) const;
    // The HEX/BCD and 十进制 radios and their caption.
    bool IsModeEnabled() const { return !IsFloatOn(); }
    bool IsDataModeEnabled() const;

protected:
    void LoadFields() override;
    bool WriteElement() override;

private:
    // What an apply reads from the number fields, in field order.
    struct CNumbers {
        std::int32_t m_nDigits, m_nDecimals, m_nInputMax, m_nInputMin, m_nEngMax, m_nEngMin;
    };

    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    static std::size_t Index(Check check) { return static_cast<std::size_t>(check); }
    std::int32_t ReadNumber(Field field) const;
    bool& Checked(Check check) { return m_bChecks[Index(check)]; }
    // Float as the controls treat it: a float register on the first model keeps its stored
    // float until the user changes it, but the controls behave as without it.
    bool IsFloatOn() const { return IsChecked(Check::kFloat) && IsFloatShown(); }
    bool IsLimitField(Field field) const { return Index(field) >= Index(Field::kInputMax); }
    // The address record as an apply would write it.
    CRegisterUnit AppliedAddress(std::int32_t* linearAddress = nullptr) const;
    CSpinRange CurrentValueRange() const;
    CNumbers ReadNumbers() const;
    // A limit holding just "-": the user is still typing.
    bool IsLimitBeingTyped() const;
    void ApplyFloatRule(CNumbers& numbers);
    void ClampNumbers(CNumbers& numbers, const CRegisterUnit& address);

    CPanelPosition m_position{CPanelPosition::ESpinLimit::kEdge,
                              CPanelPosition::EFieldRule::kTakeDefaults};
    CPanelAddressFields m_address;
    std::array<std::u16string, kFieldCount> m_fieldTexts;
    std::array<bool, kCheckCount> m_bChecks{};
    bool m_bDecimal = true;
    int m_nDataMode = CRegister::kDataModeRaw;
};

}  // namespace tavelo
