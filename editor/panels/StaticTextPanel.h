#pragma once
// What the dot-matrix and the vector static text panels share: X, Y, 倍角 (shown as the form
// says), 反相 and the 文字串 field.

#include "FormPanel.h"
#include "elements/TextPanelForm.h"
#include "elements/VectorTextPanelForm.h"

namespace tavelo {

template <class Form>
class CStaticTextPanel : public CFormPanel<Form> {
protected:
    CStaticTextPanel(CEditorContext& context, CPanelHost& host, const char16_t* caption,
                     QWidget* parent);
};

extern template class CStaticTextPanel<CTextPanelForm>;
extern template class CStaticTextPanel<CVectorTextPanelForm>;

}  // namespace tavelo
