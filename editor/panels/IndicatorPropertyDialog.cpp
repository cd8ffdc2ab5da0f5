#include "IndicatorPropertyDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

namespace tavelo {

CIndicatorPropertyDialog::CIndicatorPropertyDialog(CEditorContext& context, CPanelHost& host,
                                                   QWidget* parent)
    : CFormPanel(context, host, element_text::kIndicatorPanelCaption, parent) {
    QGridLayout& grid = GetGrid();
    AddPosition(0, 0);
    m_bindings.Check(
        AddCheck(grid, 0, 4, panel_text::kDoubleSize, "doubleSize"),
        [this] { return GetForm().IsDoubleSizeChecked(); },
        [this](bool checked) { GetForm().SetDoubleSize(checked); });
    AddAddress(1, 0, 5, false);
    m_bindings.Choice(
        AddCombo(grid, 3, 0, panel_text::kShape, "shape"),
        [] { return CIndicatorPanelForm::GetShapeList(); },
        [this] { return GetForm().GetShapeSelection(); },
        [this](int position) { GetForm().SelectShape(position); });
    m_bindings.Choice(
        AddCombo(grid, 3, 2, panel_text::kLogic, "logic"),
        [] { return CIndicatorPanelForm::GetLogicList(); },
        [this] { return GetForm().GetLogicSelection(); },
        [this](int position) { GetForm().SelectLogic(position); });
    grid.setRowStretch(4, 1);
    grid.setColumnStretch(5, 1);
    ShowValues();
}

}  // namespace tavelo
