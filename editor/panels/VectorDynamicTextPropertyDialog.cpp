#include "VectorDynamicTextPropertyDialog.h"

#include <QGridLayout>
#include <QPushButton>

#include "DynamicTextTable.h"
#include "FontButton.h"

namespace tavelo {

CVectorDynamicTextPropertyDialog::CVectorDynamicTextPropertyDialog(CEditorContext& context,
                                                                   CPanelHost& host,
                                                                   QWidget* parent)
    : CDynamicTextPanel(context, host, element_text::kVectorDynamicTextPanelCaption, parent) {
    QPushButton* font = MakeFontButton(
        *this, [this] { return GetForm().OpenFontDialog(); },
        [this](const CFontDialogForm& dialog, bool ok) {
            RunChange([&] { GetForm().CloseFontDialog(dialog, ok); });
        });
    GetGrid().addWidget(font, 5, 1);
    // The button stands left of the table, so it comes before it.
    setTabOrder(font, &GetTable());
}

}  // namespace tavelo
