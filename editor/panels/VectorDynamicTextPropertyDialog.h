#pragma once
// The panel "矢量动态文本属性" of a vector dynamic text: the dynamic text panel without 倍角, with
// the "字体" button that opens the font dialog.

#include "DynamicTextPanel.h"
#include "elements/VectorDynamicTextPanelForm.h"

namespace tavelo {

class CVectorDynamicTextPropertyDialog : public CDynamicTextPanel<CVectorDynamicTextPanelForm> {
public:
    CVectorDynamicTextPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);
};

}  // namespace tavelo
