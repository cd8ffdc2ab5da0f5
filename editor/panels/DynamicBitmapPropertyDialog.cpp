#include "DynamicBitmapPropertyDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace tavelo {

CDynamicBitmapPropertyDialog::CDynamicBitmapPropertyDialog(CEditorContext& context,
                                                           CPanelHost& host, QWidget* parent)
    : CFormPanel(context, host, element_text::kDynamicBitmapPanelCaption, parent) {
    QGridLayout& grid = GetGrid();
    AddPosition(0, 0);
    for (auto [column, label, name] : {std::tuple{4, panel_text::kWidth, "width"},
                                       std::tuple{6, panel_text::kHeight, "height"}}) {
        QLineEdit* size = AddLineEdit(grid, 0, column, label, name);
        m_bindings.Text(size, [] { return CDynamicBitmapPanelForm::GetSizeText(); }, {});
        size->setEnabled(false);
    }
    m_bindings.Choice(
        AddCombo(grid, 1, 0, panel_text::kBitmapType, "bitmapType", 3),
        [] { return CDynamicBitmapPanelForm::GetBitmapTypeList(); },
        [this] { return GetForm().GetBitmapTypeSelection(); },
        [this](int position) { GetForm().SelectBitmapType(position); });
    m_bindings.Choice(
        AddCombo(grid, 1, 4, panel_text::kBitmapLogic, "logic", 3),
        [] { return CDynamicBitmapPanelForm::GetLogicList(); },
        [this] { return GetForm().GetLogicSelection(); },
        [this](int position) { GetForm().SelectLogic(position); });
    BindAddressControls(m_bindings, AddAddressControls(grid, 2, 0, 8, false), AddressBinding());
    grid.setRowStretch(4, 1);
    ShowValues();
}

CAddressBinding CDynamicBitmapPropertyDialog::AddressBinding() {
    using Field = CPanelAddressFields::Field;
    return {
        [this](Field field) { return GetForm().GetAddressText(field); },
        [this](Field field) { return GetForm().GetAddressRange(field); },
        [this](Field field, std::u16string_view text) { GetForm().SetAddressText(field, text); },
        [this] { return GetForm().GetUnitList(); },
        [this] { return GetForm().GetUnitSelection(); },
        [this](int position) { GetForm().SelectUnit(position); },
        [this] { return GetForm().IsAddressEnabled(); },
        [this] { return GetForm().IsBitEnabled(); },
        [] { return false; }};
}

}  // namespace tavelo
