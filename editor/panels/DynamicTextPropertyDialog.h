#pragma once
// The panel "动态文本属性" of a dot-matrix dynamic text.

#include "DynamicTextPanel.h"
#include "elements/DynamicTextPanelForm.h"

namespace tavelo {

class CDynamicTextPropertyDialog : public CDynamicTextPanel<CDynamicTextPanelForm> {
public:
    CDynamicTextPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent)
        : CDynamicTextPanel(context, host, element_text::kDynamicTextPanelCaption, parent) {}
};

}  // namespace tavelo
