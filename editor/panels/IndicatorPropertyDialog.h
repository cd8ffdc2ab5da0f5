#pragma once
// The panel "线圈" of an indicator: position, 倍角, the coil address, 种类 and 逻辑.

#include "FormPanel.h"
#include "elements/IndicatorPanelForm.h"

namespace tavelo {

class CIndicatorPropertyDialog : public CFormPanel<CIndicatorPanelForm> {
public:
    CIndicatorPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);
};

}  // namespace tavelo
