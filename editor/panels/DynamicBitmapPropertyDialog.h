#pragma once
// The panel "动态位图" of a dynamic bitmap: position, the fixed size, 位图类型, 位图逻辑 and the
// coil address, whose unit list the form shows in reverse table order.

#include "FormPanel.h"
#include "elements/DynamicBitmapPanelForm.h"

namespace tavelo {

class CDynamicBitmapPropertyDialog : public CFormPanel<CDynamicBitmapPanelForm> {
public:
    CDynamicBitmapPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);

private:
    CAddressBinding AddressBinding();
};

}  // namespace tavelo
