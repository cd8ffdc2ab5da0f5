#pragma once
// The panel "功能键属性" of a function key: position, 倍角, 反相, the key, 手形 / 隐形 / 加密, the
// action, and the group of the chosen action (coil, screen jump or register write).

#include "FormPanel.h"
#include "elements/FunctionKeyPanelForm.h"

class QGridLayout;

namespace tavelo {

class CFunKeyPropertyDialog : public CFormPanel<CFunctionKeyPanelForm> {
public:
    CFunKeyPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);

private:
    using Check = CFunctionKeyPanelForm::Check;
    using Field = CFunctionKeyPanelForm::Field;

    void BindCheck(int row, int column, const char16_t* text, const char* name, Check check);
    // A part of the panel shown only for one action, over the width of the panel.
    QGridLayout& AddGroup(int row, std::function<bool()> shown);
    void AddCoilGroup(int row);
    void AddJumpGroup(int row);
    void AddRegisterGroup(int row);
};

}  // namespace tavelo
