#include "FunKeyPropertyDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QRadioButton>

namespace tavelo {
namespace {

constexpr int kGroupSpan = 8;

std::vector<std::u16string> KeyList() {
    return CFunctionKeyPanelForm::GetKeyList();
}

}  // namespace

CFunKeyPropertyDialog::CFunKeyPropertyDialog(CEditorContext& context, CPanelHost& host,
                                             QWidget* parent)
    : CFormPanel(context, host, element_text::kFunctionKeyPanelCaption, parent) {
    QGridLayout& grid = GetGrid();
    AddPosition(0, 0);
    BindCheck(0, 4, panel_text::kDoubleSize, "doubleSize", Check::kDoubleSize);
    BindCheck(0, 5, panel_text::kInverse, "inverse", Check::kInverse);
    m_bindings.Choice(
        AddCombo(grid, 1, 0, panel_text::kKey, "key", 3), KeyList,
        [this] { return GetForm().GetKeySelection(); },
        [this](int position) { GetForm().SelectKey(position); });
    BindCheck(1, 4, panel_text::kHand, "hand", Check::kHand);
    BindCheck(1, 5, panel_text::kHidden, "hidden", Check::kHidden);
    BindCheck(1, 6, panel_text::kPassword, "password", Check::kPassword);
    m_bindings.Radios(
        AddRadios(grid, 2, 0, kGroupSpan - 1, u"",
                  {panel_text::kActionCoil, panel_text::kActionJump, panel_text::kActionRegister},
                  "action"),
        [this] { return GetForm().GetAction(); },
        [this](int action) { GetForm().SelectAction(action); });
    const CAddressControls address = AddAddress(3, 0, kGroupSpan, false);
    m_bindings.Shown(address.m_pBlock, [this] { return !GetForm().IsJumpGroupShown(); });
    AddCoilGroup(5);
    AddJumpGroup(6);
    AddRegisterGroup(7);
    grid.setRowStretch(8, 1);
    ShowValues();
}

void CFunKeyPropertyDialog::BindCheck(int row, int column, const char16_t* text, const char* name,
                                      Check check) {
    m_bindings.Check(
        AddCheck(GetGrid(), row, column, text, name),
        [this, check] { return GetForm().IsChecked(check); },
        [this, check](bool checked) { GetForm().SetCheck(check, checked); });
}

QGridLayout& CFunKeyPropertyDialog::AddGroup(int row, std::function<bool()> shown) {
    auto* group = new QWidget(GetGrid().parentWidget());
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    GetGrid().addWidget(group, row, 0, 1, kGroupSpan);
    m_bindings.Shown(group, std::move(shown));
    return *layout;
}

void CFunKeyPropertyDialog::AddCoilGroup(int row) {
    QGridLayout& group = AddGroup(row, [this] { return GetForm().IsCoilGroupShown(); });
    m_bindings.Radios(
        AddRadios(group, 0, 0, 1, u"",
                  {panel_text::kCoilOn, panel_text::kCoilOff, panel_text::kCoilToggle,
                   panel_text::kCoilMomentary},
                  "coilAction"),
        [this] { return GetForm().GetCoilAction(); },
        [this](int action) { GetForm().SelectCoilAction(action); });
}

void CFunKeyPropertyDialog::AddJumpGroup(int row) {
    QGridLayout& group = AddGroup(row, [this] { return GetForm().IsJumpGroupShown(); });
    m_bindings.Radios(
        AddRadios(group, 0, 0, 1, panel_text::kJumpTo,
                  {panel_text::kJumpScreen, panel_text::kJumpPassword, panel_text::kJumpAlarm,
                   panel_text::kJumpTime},
                  "jumpTarget"),
        [this] { return GetForm().GetJumpTarget(); },
        [this](int target) { GetForm().SelectJumpTarget(target); });
    CSpinButtonEdit* screen = AddSpin(group, 0, 2, u"", "jumpScreen");
    m_bindings.Spin(
        screen, [this] { return GetForm().GetFieldText(Field::kJumpScreen); },
        [this] { return GetForm().GetSpinRange(Field::kJumpScreen); },
        [this](std::u16string_view text) { GetForm().SetFieldText(Field::kJumpScreen, text); });
    m_bindings.Enabled(screen, [this] { return GetForm().IsFieldEnabled(Field::kJumpScreen); });
}

void CFunKeyPropertyDialog::AddRegisterGroup(int row) {
    using AddressField = CPanelAddressFields::Field;
    QGridLayout& group = AddGroup(row, [this] { return GetForm().IsRegisterGroupShown(); });
    m_bindings.Spin(
        AddSpin(group, 0, 0, panel_text::kParameter, "parameter"),
        [this] { return GetForm().GetFieldText(Field::kParameter); },
        [this] { return GetForm().GetSpinRange(Field::kParameter); },
        [this](std::u16string_view text) { GetForm().SetFieldText(Field::kParameter, text); });
    CSpinButtonEdit* count = AddSpin(group, 0, 2, panel_text::kCount, "count");
    m_bindings.Spin(
        count, [this] { return GetForm().GetAddressFields().GetText(AddressField::kCount); },
        [this] { return GetForm().GetAddressFields().GetSpinRange(AddressField::kCount); },
        [this](std::u16string_view text) { GetForm().SetAddressText(AddressField::kCount, text); });
    m_bindings.Enabled(count, [this] { return GetForm().GetAddressFields().IsCountEnabled(); });
    m_bindings.Choice(
        AddCombo(group, 0, 4, panel_text::kFormat, "format"),
        [] { return CFunctionKeyPanelForm::GetFormatList(); },
        [this] { return GetForm().GetFormatSelection(); },
        [this](int position) { GetForm().SelectFormat(position); });
    group.setColumnStretch(6, 1);
}

}  // namespace tavelo
