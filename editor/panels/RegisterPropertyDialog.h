#pragma once
// The panel "显示" of a register: position, 倍角, 反相, digits and decimals, number format and
// 浮点数, the register address, 设定 / 加密 / 上下限, the data mode list and the four limits.

#include "FormPanel.h"
#include "elements/RegisterPanelForm.h"

class QCheckBox;

namespace tavelo {

class CRegisterPropertyDialog : public CFormPanel<CRegisterPanelForm> {
public:
    CRegisterPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);

private:
    using Check = CRegisterPanelForm::Check;
    using Field = CRegisterPanelForm::Field;

    QCheckBox* BindCheck(int row, int column, const char16_t* text, const char* name, Check check);
    void BindField(CSpinButtonEdit* edit, Field field);
};

}  // namespace tavelo
