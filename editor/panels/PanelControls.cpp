#include "PanelControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "PanelTexts.h"
#include "SignedSpinEdit.h"
#include "editor/QtText.h"

namespace tavelo {
namespace {

QWidget* Parent(QGridLayout& grid) {
    return grid.parentWidget();
}

template <class Control>
Control* AddNamed(QGridLayout& grid, int row, int column, const char16_t* label, const char* name,
                  int span = 1) {
    auto* control = new Control(Parent(grid));
    control->setObjectName(QString::fromLatin1(name));
    AddLabelled(grid, row, column, label, control, span);
    return control;
}

}  // namespace

void AddLabelled(QGridLayout& grid, int row, int column, const char16_t* label, QWidget* control,
                 int span) {
    auto* text = new QLabel(ShownText(label), Parent(grid));
    text->setBuddy(control);
    grid.addWidget(text, row, column, Qt::AlignRight);
    grid.addWidget(control, row, column + 1, 1, span);
}

CSpinButtonEdit* AddSpin(QGridLayout& grid, int row, int column, const char16_t* label,
                         const char* name) {
    return AddNamed<CSpinButtonEdit>(grid, row, column, label, name);
}

CSpinButtonEdit* AddSignedSpin(QGridLayout& grid, int row, int column, const char16_t* label,
                               const char* name) {
    return AddNamed<CSignedSpinEdit>(grid, row, column, label, name);
}

QLineEdit* AddLineEdit(QGridLayout& grid, int row, int column, const char16_t* label,
                       const char* name, int span) {
    return AddNamed<QLineEdit>(grid, row, column, label, name, span);
}

QComboBox* AddCombo(QGridLayout& grid, int row, int column, const char16_t* label, const char* name,
                    int span) {
    return AddNamed<QComboBox>(grid, row, column, label, name, span);
}

QCheckBox* AddCheck(QGridLayout& grid, int row, int column, const char16_t* text,
                    const char* name) {
    auto* box = new QCheckBox(ShownText(text), Parent(grid));
    box->setObjectName(QString::fromLatin1(name));
    grid.addWidget(box, row, column);
    return box;
}

std::vector<QRadioButton*> AddRadios(QGridLayout& grid, int row, int column, int span,
                                     const char16_t* label,
                                     std::initializer_list<const char16_t*> texts,
                                     const char* name) {
    auto* holder = new QWidget(Parent(grid));
    auto* line = new QHBoxLayout(holder);
    line->setContentsMargins(0, 0, 0, 0);
    std::vector<QRadioButton*> buttons;
    for (const char16_t* text : texts) {
        auto* button = new QRadioButton(ShownText(text), holder);
        button->setObjectName(QString::fromLatin1(name) + QString::number(buttons.size()));
        line->addWidget(button);
        buttons.push_back(button);
    }
    line->addStretch();
    AddLabelled(grid, row, column, label, holder, span);
    return buttons;
}

CAddressBinding BindingOfFields(
    std::function<const CPanelAddressFields&()> fields,
    std::function<void(CPanelAddressFields::Field, std::u16string_view)> setText,
    std::function<void(int)> selectUnit) {
    using Field = CPanelAddressFields::Field;
    return {[fields](Field field) { return fields().GetText(field); },
            [fields](Field field) { return fields().GetSpinRange(field); },
            std::move(setText),
            [fields] { return fields().GetUnitList(); },
            [fields] { return fields().GetUnitSelection(); },
            std::move(selectUnit),
            [fields] { return fields().IsAddressEnabled(); },
            [fields] { return fields().IsBitEnabled(); },
            [fields] { return fields().IsCountEnabled(); }};
}

CAddressControls AddAddressControls(QGridLayout& grid, int row, int column, int span,
                                    bool withCount) {
    CAddressControls controls;
    controls.m_pBlock = new QWidget(Parent(grid));
    auto* block = new QGridLayout(controls.m_pBlock);
    block->setContentsMargins(0, 0, 0, 0);
    block->setVerticalSpacing(3);
    grid.addWidget(controls.m_pBlock, row, column, 2, span);
    controls.m_pStation = AddSpin(*block, 0, 0, panel_text::kStation, "station");
    controls.m_pUnit = AddCombo(*block, 0, 2, panel_text::kUnitType, "unit");
    if (withCount) controls.m_pCount = AddSpin(*block, 1, 4, panel_text::kCount, "count");
    controls.m_pAddress = AddSpin(*block, 1, 0, panel_text::kAddress, "address");
    controls.m_pBit = AddSpin(*block, 1, 2, panel_text::kBit, "bit");
    return controls;
}

void BindAddressControls(CPanelBindings& bindings, const CAddressControls& controls,
                         const CAddressBinding& binding) {
    using Field = CPanelAddressFields::Field;
    const auto bindSpin = [&](CSpinButtonEdit* edit, Field field) {
        bindings.Spin(
            edit, [get = binding.m_getText, field] { return get(field); },
            [range = binding.m_getRange, field] { return range(field); },
            [set = binding.m_setText, field](std::u16string_view text) { set(field, text); });
    };
    bindSpin(controls.m_pStation, Field::kStation);
    bindings.Choice(controls.m_pUnit, binding.m_getUnits, binding.m_getUnitSelection,
                    binding.m_selectUnit);
    if (controls.m_pCount) {
        bindSpin(controls.m_pCount, Field::kCount);
        bindings.Enabled(controls.m_pCount, binding.m_isCountEnabled);
    }
    bindSpin(controls.m_pAddress, Field::kAddress);
    bindings.Enabled(controls.m_pAddress, binding.m_isAddressEnabled);
    bindSpin(controls.m_pBit, Field::kBit);
    bindings.Shown(controls.m_pBit, binding.m_isBitEnabled);
}

}  // namespace tavelo
