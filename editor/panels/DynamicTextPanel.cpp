#include "DynamicTextPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>

#include "DynamicTextTable.h"
#include "elements/DynamicTextPanelForm.h"
#include "elements/VectorDynamicTextPanelForm.h"

namespace tavelo {

template <class Form>
CDynamicTextPanel<Form>::CDynamicTextPanel(CEditorContext& context, CPanelHost& host,
                                           const char16_t* caption, QWidget* parent)
    : CFormPanel<Form>(context, host, caption, parent) {
    using Column = CDynamicTextPanelForm::Column;
    QGridLayout& grid = this->GetGrid();
    CPanelBindings& bindings = this->m_bindings;
    const auto form = [this]() -> Form& { return this->GetForm(); };
    this->AddPosition(0, 0);
    QCheckBox* doubleSize = AddCheck(grid, 1, 1, panel_text::kDoubleSize, "doubleSize");
    bindings.Check(
        doubleSize, [form] { return form().IsDoubleSizeChecked(); },
        [form](bool checked) { form().SetDoubleSize(checked); });
    bindings.Shown(doubleSize, [form] { return form().IsDoubleSizeShown(); });
    bindings.Check(
        AddCheck(grid, 1, 3, panel_text::kInverse, "inverse"),
        [form] { return form().IsInverseChecked(); },
        [form](bool checked) { form().SetInverse(checked); });
    this->AddAddress(2, 0, 4, false);
    bindings.Radios(
        AddRadios(grid, 4, 0, 3, panel_text::kMode, {panel_text::kHexBcd, panel_text::kDecimal},
                  "mode"),
        [form] { return form().IsDecimalChecked() ? 1 : 0; },
        [form](int position) { form().SetDecimal(position == 1); });

    m_pTable = new CDynamicTextTable(grid.parentWidget());
    grid.addWidget(m_pTable, 0, 4, 6, 1);
    grid.setRowStretch(5, 1);
    QObject::connect(
        m_pTable, &CDynamicTextTable::CellChosen, this, [this, form](int row, int column) {
            this->RunChange([&] {
                form().BeginEdit(static_cast<std::size_t>(row), static_cast<Column>(column));
            });
        });
    QObject::connect(m_pTable, &CDynamicTextTable::EditBoxEdited, this,
                     [this, form](const QString& text) {
                         this->RunChange([&] { form().TypeInCell(ToU16(text)); }, m_pTable);
                     });
    QObject::connect(m_pTable, &CDynamicTextTable::EditBoxClosed, this, [this, form] {
        form().EndEdit();
        ShowValues();
    });
    ShowValues();
}

template <class Form>
void CDynamicTextPanel<Form>::ShowValues() {
    CFormPanel<Form>::ShowValues();
    const Form& form = this->GetForm();
    m_pTable->ShowRows(form.GetRows());
    if (!form.IsEditing()) {
        m_pTable->ShowEditBox(false, -1, -1, {});
        return;
    }
    const CDynamicTextPanelForm::CRow& row = form.GetRows()[form.GetEditRow()];
    const bool isValue = form.GetEditColumn() == CDynamicTextPanelForm::Column::kValue;
    m_pTable->ShowEditBox(true, static_cast<int>(form.GetEditRow()),
                          static_cast<int>(form.GetEditColumn()),
                          ToQString(isValue ? row.m_strValue : row.m_strText));
}

template class CDynamicTextPanel<CDynamicTextPanelForm>;
template class CDynamicTextPanel<CVectorDynamicTextPanelForm>;

}  // namespace tavelo
