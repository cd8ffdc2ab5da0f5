#pragma once
// The rules of the function key panel "功能键属性" without widgets: position, 倍角, 反相, the key
// list, 手形 / 隐形 / 加密, the three actions with their groups (coil address and coil radios,
// jump target and screen number, register address with value, count and format), applied to a
// function key at every change. Empty fields take defaults and values are clamped.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ElementPanelForm.h"
#include "FunctionKey.h"
#include "PanelAddressFields.h"
#include "PanelPosition.h"

namespace tavelo {

class CFunctionKeyPanelForm : public CElementPanelForm<CFunctionKey> {
public:
    static constexpr int kTemplateId = 141;
    using Axis = CPanelPosition::Axis;
    using AddressField = CPanelAddressFields::Field;

    enum class Check { kDoubleSize, kInverse, kHand, kHidden, kPassword };
    static constexpr std::size_t kCheckCount = 5;
    // 跳转至 screen number and 参数 value.
    enum class Field { kJumpScreen, kParameter };
    static constexpr std::size_t kFieldCount = 2;

    static constexpr CSpinRange kJumpScreenSpin = {0, 32767};
    static constexpr CSpinRange kParameterSpin = {0, 32767};
    static constexpr CSpinRange kCountRange = {0, 255};
    static constexpr CSpinRange kJumpScreenRange = {1, 255};
    // The unit a newly chosen action starts from.
    static constexpr std::int32_t kCoilUnitType = 0;
    static constexpr std::int32_t kRegisterUnitType = 1;
    // At this PLC list index stations end at 247 (unlike the register panel's 16).
    static constexpr std::uint8_t kPlcIndexOfStations247 = 0;

    explicit CFunctionKeyPanelForm(const CAppState& state);

    // User actions; each applies at once. Hidden or disabled controls change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    void SetAddressText(AddressField field, std::u16string_view text);
    void SelectUnit(int position);
    void SetCheck(Check check, bool checked);
    void SelectKey(int position);
    // Another action refills the type list, starting from unit type 0 (coil) or 1 (register).
    void SelectAction(std::int32_t action);
    void SelectCoilAction(std::int32_t action);
    void SelectJumpTarget(std::int32_t target);
    // Digits only; an empty screen number shows 1 at once.
    void SetFieldText(Field field, std::u16string_view text);
    void SelectFormat(int position);

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    const CPanelAddressFields& GetAddressFields() const { return *m_address; }
    bool IsChecked(Check check) const { return m_bChecks[Index(check)]; }
    static std::vector<std::u16string> GetKeyList();
    int GetKeySelection() const { return m_nKeySelection; }
    std::int32_t GetAction() const { return m_nAction; }
    std::int32_t GetCoilAction() const { return m_nCoilAction; }
    std::int32_t GetJumpTarget() const { return m_nJumpTarget; }
    const std::u16string& GetFieldText(Field field) const { return m_fieldTexts[Index(field)]; }
    CSpinRange GetSpinRange(Field field) const;
    static std::vector<std::u16string> GetFormatList();
    int GetFormatSelection() const { return m_nFormat; }

    // Only the group of the chosen action is shown.
    bool IsCoilGroupShown() const { return m_nAction == CFunctionKey::kActionCoil; }
    bool IsJumpGroupShown() const { return m_nAction == CFunctionKey::kActionJump; }
    bool IsRegisterGroupShown() const { return m_nAction == CFunctionKey::kActionRegister; }
    bool IsFieldEnabled(Field field) const;

    // The largest value a register write of byteWidth bytes may carry.
    static std::int32_t ParameterCap(std::int64_t byteWidth);

protected:
    void LoadFields() override;
    bool WriteElement() override;

private:
    static std::size_t Index(Check check) { return static_cast<std::size_t>(check); }
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    // The type list of the action: byte units for register writes, coil units otherwise.
    void FillUnitList(const CRegisterUnit& address);
    void WriteFlags(CFunctionKey& element) const;
    std::int32_t ReadNumber(Field field) const;

    CPanelPosition m_position{CPanelPosition::ESpinLimit::kLastDot,
                              CPanelPosition::EFieldRule::kTakeDefaults};
    std::optional<CPanelAddressFields> m_address;
    std::array<bool, kCheckCount> m_bChecks{};
    std::array<std::u16string, kFieldCount> m_fieldTexts;
    int m_nKeySelection = 0;
    std::int32_t m_nAction = CFunctionKey::kActionCoil;
    std::int32_t m_nCoilAction = CFunctionKey::kCoilOn;
    std::int32_t m_nJumpTarget = CFunctionKey::kJumpScreen;
    int m_nFormat = 0;
};

}  // namespace tavelo
