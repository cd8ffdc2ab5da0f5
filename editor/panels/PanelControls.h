#pragma once
// Makes the controls of the property panels and puts them into a panel's grid: a label and its
// control side by side, check boxes, rows of radio buttons, and the PLC address block with its
// bindings. Each control gets an object name, so tests and the focus order can find it.

#include <initializer_list>
#include <vector>

#include "PanelBindings.h"
#include "elements/PanelAddressFields.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tavelo {

class CSpinButtonEdit;

// Puts the label at (row, column) and the control beside it; the label names the control.
void AddLabelled(QGridLayout& grid, int row, int column, const char16_t* label, QWidget* control,
                 int span = 1);
CSpinButtonEdit* AddSpin(QGridLayout& grid, int row, int column, const char16_t* label,
                         const char* name);
// A number field that also takes a leading minus sign.
CSpinButtonEdit* AddSignedSpin(QGridLayout& grid, int row, int column, const char16_t* label,
                               const char* name);
QLineEdit* AddLineEdit(QGridLayout& grid, int row, int column, const char16_t* label,
                       const char* name, int span = 1);
QComboBox* AddCombo(QGridLayout& grid, int row, int column, const char16_t* label, const char* name,
                    int span = 1);
QCheckBox* AddCheck(QGridLayout& grid, int row, int column, const char16_t* text, const char* name);
// The buttons side by side, labelled like a field, named name0, name1, ...
std::vector<QRadioButton*> AddRadios(QGridLayout& grid, int row, int column, int span,
                                     const char16_t* label,
                                     std::initializer_list<const char16_t*> texts,
                                     const char* name);
// What ties the address block to a panel's form model.
struct CAddressBinding {
    using Field = CPanelAddressFields::Field;
    std::function<std::u16string(Field)> m_getText;
    std::function<CSpinRange(Field)> m_getRange;
    std::function<void(Field, std::u16string_view)> m_setText;
    std::function<std::vector<std::u16string>()> m_getUnits;
    std::function<int()> m_getUnitSelection;
    std::function<void(int)> m_selectUnit;
    std::function<bool()> m_isAddressEnabled;
    std::function<bool()> m_isBitEnabled;
    std::function<bool()> m_isCountEnabled;
};
// The binding of a form model that shows its CPanelAddressFields as they are.
CAddressBinding BindingOfFields(
    std::function<const CPanelAddressFields&()> fields,
    std::function<void(CPanelAddressFields::Field, std::u16string_view)> setText,
    std::function<void(int)> selectUnit);

// 局号, 类型, 寄存器个数 (when the panel has one), 地址 and the bit field, in a block of their
// own that can be hidden as a whole.
struct CAddressControls {
    QWidget* m_pBlock = nullptr;
    CSpinButtonEdit* m_pStation = nullptr;
    QComboBox* m_pUnit = nullptr;
    CSpinButtonEdit* m_pCount = nullptr;
    CSpinButtonEdit* m_pAddress = nullptr;
    CSpinButtonEdit* m_pBit = nullptr;
};
// The block in two rows from (row, column) over span grid columns.
CAddressControls AddAddressControls(QGridLayout& grid, int row, int column, int span,
                                    bool withCount);
void BindAddressControls(CPanelBindings& bindings, const CAddressControls& controls,
                         const CAddressBinding& binding);

}  // namespace tavelo
