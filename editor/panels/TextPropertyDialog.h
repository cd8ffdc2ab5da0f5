#pragma once
// The panel "文本" of a dot-matrix static text.

#include "StaticTextPanel.h"
#include "elements/TextPanelForm.h"

namespace tavelo {

class CTextPropertyDialog : public CStaticTextPanel<CTextPanelForm> {
public:
    CTextPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent)
        : CStaticTextPanel(context, host, element_text::kTextPanelCaption, parent) {}
};

}  // namespace tavelo
