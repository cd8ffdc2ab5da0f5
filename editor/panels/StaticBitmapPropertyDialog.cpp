#include "StaticBitmapPropertyDialog.h"

#include <QGridLayout>
#include <QLineEdit>

namespace tavelo {

CStaticBitmapPropertyDialog::CStaticBitmapPropertyDialog(CEditorContext& context, CPanelHost& host,
                                                         QWidget* parent)
    : CFormPanel(context, host, element_text::kStaticBitmapPanelCaption, parent) {
    QGridLayout& grid = GetGrid();
    AddPosition(0, 0);
    QLineEdit* width = AddLineEdit(grid, 1, 0, panel_text::kWidth, "width");
    m_bindings.Text(width, [this] { return GetForm().GetWidthText(); }, {});
    m_bindings.Enabled(width, [this] { return GetForm().IsSizeEnabled(); });
    QLineEdit* height = AddLineEdit(grid, 1, 2, panel_text::kHeight, "height");
    m_bindings.Text(height, [this] { return GetForm().GetHeightText(); }, {});
    m_bindings.Enabled(height, [this] { return GetForm().IsSizeEnabled(); });
    grid.setRowStretch(2, 1);
    grid.setColumnStretch(4, 1);
    ShowValues();
}

}  // namespace tavelo
