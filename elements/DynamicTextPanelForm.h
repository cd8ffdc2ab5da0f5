#pragma once
// The rules of the dot-matrix dynamic text panel "动态文本属性" without widgets: position,
// 倍角, 反相, the register address, the 模式 radios and the value/text table with its in-place
// editing, applied to a dynamic text at every change.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DynamicText.h"
#include "ElementPanelForm.h"
#include "PanelAddressFields.h"
#include "PanelPosition.h"

namespace tavelo {

class CDynamicTextPanelForm : public CElementPanelForm<CDynamicText> {
public:
    static constexpr int kTemplateId = 142;
    using Axis = CPanelPosition::Axis;
    using AddressField = CPanelAddressFields::Field;
    enum class Column { kNumber, kValue, kText };

    // One line of the table: "序号", "数值", "字符串".
    struct CRow {
        std::u16string m_strNumber;
        std::u16string m_strValue;
        std::u16string m_strText;

        bool operator==(const CRow&) const = default;
    };

    explicit CDynamicTextPanelForm(const CAppState& state);

    // User actions; each applies at once. Hidden or disabled controls change nothing.
    void SetPositionText(Axis axis, std::u16string_view text);
    void SetAddressText(AddressField field, std::u16string_view text);
    void SelectUnit(int position);
    void SetDoubleSize(bool checked);
    void SetInverse(bool checked);
    // 十进制 (true) or HEX/BCD (false); HEX/BCD clears the stored sign.
    void SetDecimal(bool decimal);

    // A click on a cell: the used rows and the first blank row open an edit box over their
    // 数值 or 字符串 cell (true). Opening the text of a row without value gives the row the
    // largest stored value + 1.
    bool BeginEdit(std::size_t row, Column column);
    // The edit box's whole text after a keystroke: a text is cut to the column limit, written
    // into the cell and applied. An emptied value reorders the table and closes the edit box,
    // since the row it stood on has moved to the blank rows.
    void TypeInCell(std::u16string_view text);
    void EndEdit() { m_bEditing = false; }

    // What the controls show.
    const std::u16string& GetPositionText(Axis axis) const { return m_position.GetText(axis); }
    CSpinRange GetPositionRange(Axis axis) const { return m_position.GetSpinRange(axis); }
    const CPanelAddressFields& GetAddressFields() const { return m_address; }
    bool IsDoubleSizeChecked() const { return m_bDoubleSize; }
    bool IsInverseChecked() const { return m_bInverse; }
    bool IsDecimalChecked() const { return m_bDecimal; }
    const std::vector<CRow>& GetRows() const { return m_rows; }
    bool IsEditing() const { return m_bEditing; }
    std::size_t GetEditRow() const { return m_nEditRow; }
    Column GetEditColumn() const { return m_editColumn; }
    // Shown and enabled alike.
    virtual bool IsDoubleSizeShown() const { return true; }

protected:
    // 24 columns, 12 with 倍角.
    virtual std::int64_t GetColumnLimit() const;
    void LoadFields() override;
    // Address, the lists from the table, the format, double size, inverse, the corner and the
    // kind's own fields; the widest text follows at once.
    bool WriteElement() override;
    virtual void WriteKindFields(CDynamicText& /*text*/) {}
    // Rows with a value first, in list order and numbered; blank rows after them, up to the
    // table's 32 rows.
    void FillTable();

    bool m_bDoubleSize = false;

private:
    std::size_t FirstBlankRow() const;
    std::int64_t NextFreeValue() const;
    std::u16string& EditedCell();

    CPanelPosition m_position{CPanelPosition::ESpinLimit::kEdge,
                              CPanelPosition::EFieldRule::kTakeDefaults};
    CPanelAddressFields m_address;
    bool m_bInverse = false;
    bool m_bDecimal = true;
    std::vector<CRow> m_rows;
    bool m_bEditing = false;
    std::size_t m_nEditRow = 0;
    Column m_editColumn = Column::kValue;
};

}  // namespace tavelo
