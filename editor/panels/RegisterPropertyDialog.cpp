#include "RegisterPropertyDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>

namespace tavelo {

CRegisterPropertyDialog::CRegisterPropertyDialog(CEditorContext& context, CPanelHost& host,
                                                 QWidget* parent)
    : CFormPanel(context, host, element_text::kRegisterPanelCaption, parent) {
    QGridLayout& grid = GetGrid();
    AddPosition(0, 0);
    BindCheck(0, 4, panel_text::kDoubleSize, "doubleSize", Check::kDoubleSize);
    BindCheck(0, 5, panel_text::kInverse, "inverse", Check::kInverse);
    m_bindings.Shown(BindCheck(0, 6, panel_text::kFloat, "float", Check::kFloat),
                     [this] { return GetForm().IsFloatShown(); });

    BindField(AddSpin(grid, 1, 0, panel_text::kDigits, "digits"), Field::kDigits);
    BindField(AddSpin(grid, 1, 2, panel_text::kDecimals, "decimals"), Field::kDecimals);
    const std::vector<QRadioButton*> mode = AddRadios(
        grid, 1, 4, 2, panel_text::kMode, {panel_text::kHexBcd, panel_text::kDecimal}, "mode");
    m_bindings.Radios(
        mode, [this] { return GetForm().IsDecimalChecked() ? 1 : 0; },
        [this](int position) { GetForm().SetDecimal(position == 1); });
    m_bindings.Enabled(mode.front()->parentWidget(), [this] { return GetForm().IsModeEnabled(); });
    BindCheck(1, 7, panel_text::kSigned, "signed", Check::kSigned);

    AddAddress(2, 0, 8, true);

    BindCheck(4, 1, panel_text::kSettable, "settable", Check::kSettable);
    BindCheck(4, 2, panel_text::kPassword, "password", Check::kPassword);
    BindCheck(4, 3, panel_text::kLimits, "limits", Check::kLimits);
    QComboBox* dataMode = AddCombo(grid, 4, 4, panel_text::kDataMode, "dataMode", 2);
    m_bindings.Choice(
        dataMode, [this] { return GetForm().GetDataModeList(); },
        [this] { return GetForm().GetDataModeSelection(); },
        [this](int position) { GetForm().SelectDataMode(position); });
    m_bindings.Enabled(dataMode, [this] { return GetForm().IsDataModeEnabled(); });

    BindField(AddSignedSpin(grid, 5, 0, panel_text::kInputMax, "inputMax"), Field::kInputMax);
    BindField(AddSignedSpin(grid, 5, 2, panel_text::kInputMin, "inputMin"), Field::kInputMin);
    BindField(AddSignedSpin(grid, 5, 4, panel_text::kEngMax, "engMax"), Field::kEngMax);
    BindField(AddSignedSpin(grid, 5, 6, panel_text::kEngMin, "engMin"), Field::kEngMin);
    ShowValues();
}

QCheckBox* CRegisterPropertyDialog::BindCheck(int row, int column, const char16_t* text,
                                              const char* name, Check check) {
    QCheckBox* box = AddCheck(GetGrid(), row, column, text, name);
    m_bindings.Check(
        box, [this, check] { return GetForm().IsChecked(check); },
        [this, check](bool checked) { GetForm().SetCheck(check, checked); });
    m_bindings.Enabled(box, [this, check] { return GetForm().IsCheckEnabled(check); });
    return box;
}

void CRegisterPropertyDialog::BindField(CSpinButtonEdit* edit, Field field) {
    m_bindings.Spin(
        edit, [this, field] { return GetForm().GetFieldText(field); },
        [this, field] { return GetForm().GetSpinRange(field); },
        [this, field](std::u16string_view text) { GetForm().SetFieldText(field, text); });
    m_bindings.Enabled(edit, [this, field] { return GetForm().IsFieldEnabled(field); });
}

}  // namespace tavelo
