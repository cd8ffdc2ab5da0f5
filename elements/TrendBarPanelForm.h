#pragma once
// The rules of the graph panel "属性" without widgets, for bar and trend graphs alike:
// position, 宽 and 高, the register address, 模式, 有符号数, 浮点数 with 小数位, the two scales,
// the bar's 方向 or the trend's 数据采集 and 采样间隔, applied at every change with their
// defaults, clamps and the width and height swap of a new direction.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ElementPanelForm.h"
#include "PanelAddressFields.h"
#include "PanelPosition.h"
#include "TrendBar.h"

namespace tavelo {

class CTrendBarPanelForm : public CElementPanelForm<CTrendBar> {
public:
    static constexpr int kTemplateId = 145;
    using Axis = CPanelPosition::Axis;
    using AddressField = CPanelAddressFields::Field;

    enum class Field { kWidth, kHeight, kFullScale, kZeroScale, kPoints, kDecimals, kInterval };
    static constexpr std::size_t kFieldCount = 7;

    static constexpr CSpinRange kWidthRange = {16, 192};
    static constexpr CSpinRange kHeightRange = {16, 64};
    static constexpr CSpinRange kDecimalsRange = {0, 10};
    static constexpr CSpinRange kIntervalSpin = {0, 32767};
    static constexpr CSpinRange kIntervalRange = {1, 30000};
    static constexpr std::int32_t kFewestPoints = 2;
    // A negative full scale left by switching 浮点数 off.
    static constexpr std::int32_t kUnsignedFullScale = 65535;

    explicit CTrendBarPanelForm(const CAppState& state);

    // User actions; each applies at once. Hidden or disabled controls change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    void SetAddressText(AddressField field, std::u16string_view text);
    void SelectUnit(int position);
    // The scales take an optional leading "-", then digits; a lone "-" waits for the digits
    // without applying. The other fields take digits only. An empty field shows its default.
    void SetFieldText(Field field, std::u16string_view text);
    // 十进制 (true) or HEX/BCD (false).
    void SetDecimal(bool decimal);
    void SetSigned(bool checked);
    void SetFloat(bool checked);
    // A new direction turns the bar: 48 x 16 dots for 向左 and 向右, 16 x 48 for 向上 and 向下.
    void SelectDirection(int position);

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    const CPanelAddressFields& GetAddressFields() const { return m_address; }
    const std::u16string& GetFieldText(Field field) const { return m_fieldTexts[Index(field)]; }
    CSpinRange GetSpinRange(Field field) const;
    bool IsDecimalChecked() const { return m_bDecimal; }
    bool IsSignedChecked() const { return m_bSigned; }
    bool IsFloatChecked() const { return m_bFloat; }
    static std::vector<std::u16string> GetDirectionList();
    int GetDirectionSelection() const { return m_nDirection; }

    bool IsDirectionShown() const;
    bool IsFieldShown(Field field) const;
    bool IsFloatShown() const;
    // The HEX/BCD and 十进制 radios, their caption and 有符号数 give way to 小数位 with float.
    bool IsModeShown() const { return !m_bFloat; }
    bool IsSignedEnabled() const { return IsModeShown() && m_bDecimal; }

protected:
    void LoadFields() override;
    bool WriteElement() override;

private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    static bool IsScale(Field field) {
        return field == Field::kFullScale || field == Field::kZeroScale;
    }
    std::int32_t ReadNumber(Field field) const;
    CSpinRange ScaleRange(const CRegisterUnit& address) const;
    // The graph's size in dots as the apply leaves it: (width, height).
    std::pair<std::int32_t, std::int32_t> AppliedSize() const;

    CPanelPosition m_position{CPanelPosition::ESpinLimit::kEdge,
                              CPanelPosition::EFieldRule::kTakeDefaults};
    CPanelAddressFields m_address;
    std::array<std::u16string, kFieldCount> m_fieldTexts;
    bool m_bDecimal = true;
    bool m_bSigned = false;
    bool m_bFloat = false;
    int m_nDirection = CTrendBar::kUp;
    bool m_bDirectionChanged = false;
};

}  // namespace tavelo
