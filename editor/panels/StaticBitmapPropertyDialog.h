#pragma once
// The panel "静态位图属性" of a static bitmap: X and Y move the picture; 宽 and 高 show its size.

#include "FormPanel.h"
#include "elements/StaticBitmapPanelForm.h"

namespace tavelo {

class CStaticBitmapPropertyDialog : public CFormPanel<CStaticBitmapPanelForm> {
public:
    CStaticBitmapPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);
};

}  // namespace tavelo
