#include "StaticTextPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

#include "elements/TextPanelForm.h"
#include "elements/VectorTextPanelForm.h"

namespace tavelo {

template <class Form>
CStaticTextPanel<Form>::CStaticTextPanel(CEditorContext& context, CPanelHost& host,
                                         const char16_t* caption, QWidget* parent)
    : CFormPanel<Form>(context, host, caption, parent) {
    QGridLayout& grid = this->GetGrid();
    CPanelBindings& bindings = this->m_bindings;
    this->AddPosition(0, 0);
    QCheckBox* doubleSize = AddCheck(grid, 0, 4, panel_text::kDoubleSize, "doubleSize");
    bindings.Check(
        doubleSize, [this] { return this->GetForm().IsDoubleSizeChecked(); },
        [this](bool checked) { this->GetForm().SetDoubleSize(checked); });
    bindings.Shown(doubleSize, [this] { return this->GetForm().IsDoubleSizeShown(); });
    bindings.Check(
        AddCheck(grid, 0, 5, panel_text::kInverse, "inverse"),
        [this] { return this->GetForm().IsInverseChecked(); },
        [this](bool checked) { this->GetForm().SetInverse(checked); });
    bindings.Text(
        AddLineEdit(grid, 1, 0, panel_text::kText, "text", 5),
        [this] { return this->GetForm().GetText(); },
        [this](std::u16string_view text) { this->GetForm().SetText(text); });
    grid.setRowStretch(3, 1);
    grid.setColumnStretch(6, 1);
    this->ShowValues();
}

template class CStaticTextPanel<CTextPanelForm>;
template class CStaticTextPanel<CVectorTextPanelForm>;

}  // namespace tavelo
