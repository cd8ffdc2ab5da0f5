#include "TrendBarPropertyDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>

namespace tavelo {

CTrendBarPropertyDialog::CTrendBarPropertyDialog(CEditorContext& context, CPanelHost& host,
                                                 QWidget* parent)
    : CFormPanel(context, host, element_text::kTrendBarPanelCaption, parent) {
    QGridLayout& grid = GetGrid();
    AddPosition(0, 0);
    BindField(AddSpin(grid, 0, 4, panel_text::kWidth, "width"), Field::kWidth);
    BindField(AddSpin(grid, 0, 6, panel_text::kHeight, "height"), Field::kHeight);
    AddAddress(1, 0, 8, true);

    const std::vector<QRadioButton*> mode = AddRadios(
        grid, 3, 0, 3, panel_text::kMode, {panel_text::kHexBcd, panel_text::kDecimal}, "mode");
    m_bindings.Radios(
        mode, [this] { return GetForm().IsDecimalChecked() ? 1 : 0; },
        [this](int position) { GetForm().SetDecimal(position == 1); });
    m_bindings.Shown(mode.front()->parentWidget(), [this] { return GetForm().IsModeShown(); });
    QCheckBox* isSigned = AddCheck(grid, 3, 4, panel_text::kSigned, "signed");
    m_bindings.Check(
        isSigned, [this] { return GetForm().IsSignedChecked(); },
        [this](bool checked) { GetForm().SetSigned(checked); });
    m_bindings.Shown(isSigned, [this] { return GetForm().IsModeShown(); });
    m_bindings.Enabled(isSigned, [this] { return GetForm().IsSignedEnabled(); });
    QCheckBox* isFloat = AddCheck(grid, 3, 5, panel_text::kFloat, "float");
    m_bindings.Check(
        isFloat, [this] { return GetForm().IsFloatChecked(); },
        [this](bool checked) { GetForm().SetFloat(checked); });
    m_bindings.Shown(isFloat, [this] { return GetForm().IsFloatShown(); });
    BindField(AddSpin(grid, 3, 6, panel_text::kDecimals, "decimals"), Field::kDecimals);

    BindField(AddSignedSpin(grid, 4, 0, panel_text::kFullScale, "fullScale"), Field::kFullScale);
    BindField(AddSignedSpin(grid, 4, 2, panel_text::kZeroScale, "zeroScale"), Field::kZeroScale);
    QComboBox* direction = AddCombo(grid, 4, 4, panel_text::kDirection, "direction");
    m_bindings.Choice(
        direction, [] { return CTrendBarPanelForm::GetDirectionList(); },
        [this] { return GetForm().GetDirectionSelection(); },
        [this](int position) { GetForm().SelectDirection(position); });
    m_bindings.Shown(direction, [this] { return GetForm().IsDirectionShown(); });
    BindField(AddSpin(grid, 5, 0, panel_text::kPoints, "points"), Field::kPoints);
    BindField(AddSpin(grid, 5, 2, panel_text::kInterval, "interval"), Field::kInterval);
    grid.setRowStretch(6, 1);
    ShowValues();
}

void CTrendBarPropertyDialog::BindField(CSpinButtonEdit* edit, Field field) {
    m_bindings.Spin(
        edit, [this, field] { return GetForm().GetFieldText(field); },
        [this, field] { return GetForm().GetSpinRange(field); },
        [this, field](std::u16string_view text) { GetForm().SetFieldText(field, text); });
    m_bindings.Shown(edit, [this, field] { return GetForm().IsFieldShown(field); });
}

}  // namespace tavelo
