#pragma once
// The panel "属性" of bar and trend graphs: position, size, the register address, the number
// format, 浮点数 with 小数位, the two scales, and the bar's direction or the trend's points and
// sampling interval.

#include "FormPanel.h"
#include "elements/TrendBarPanelForm.h"

namespace tavelo {

class CTrendBarPropertyDialog : public CFormPanel<CTrendBarPanelForm> {
public:
    CTrendBarPropertyDialog(CEditorContext& context, CPanelHost& host, QWidget* parent);

private:
    using Field = CTrendBarPanelForm::Field;

    void BindField(CSpinButtonEdit* edit, Field field);
};

}  // namespace tavelo
