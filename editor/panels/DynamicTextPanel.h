#pragma once
// What the dot-matrix and the vector dynamic text panels share: X, Y, 倍角 (shown as the form
// says), 反相, the register address, 模式 and the value/text table.

#include "FormPanel.h"
#include "elements/DynamicTextPanelForm.h"
#include "elements/VectorDynamicTextPanelForm.h"

namespace tavelo {

class CDynamicTextTable;

template <class Form>
class CDynamicTextPanel : public CFormPanel<Form> {
public:
    CDynamicTextTable& GetTable() const { return *m_pTable; }

protected:
    CDynamicTextPanel(CEditorContext& context, CPanelHost& host, const char16_t* caption,
                      QWidget* parent);

    void ShowValues() override;

private:
    CDynamicTextTable* m_pTable;
};

extern template class CDynamicTextPanel<CDynamicTextPanelForm>;
extern template class CDynamicTextPanel<CVectorDynamicTextPanelForm>;

}  // namespace tavelo
