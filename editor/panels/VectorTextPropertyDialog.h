#pragma once
// The panel "矢量文本属性" of a vector static text: the text panel without 倍角, with the "字体"
// button that opens the font dialog.

#include "StaticTextPanel.h"
#include "elements/VectorTextPanelForm.h"

namespace tavelo {

class CVectorTextPropertyDialog : public CStaticTextPanel<CVectorTextPanelForm> {
public:
    CVectorTextPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);
};

}  // namespace tavelo
