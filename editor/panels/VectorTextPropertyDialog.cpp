#include "VectorTextPropertyDialog.h"

#include <QGridLayout>
#include <QPushButton>

#include "FontButton.h"

namespace tavelo {

CVectorTextPropertyDialog::CVectorTextPropertyDialog(CEditorContext& context, CPanelHost& host,
                                                     QWidget* parent)
    : CStaticTextPanel(context, host, element_text::kVectorTextPanelCaption, parent) {
    GetGrid().addWidget(MakeFontButton(
                            *this, [this] { return GetForm().OpenFontDialog(); },
                            [this](const CFontDialogForm& dialog, bool ok) {
                                RunChange([&] { GetForm().CloseFontDialog(dialog, ok); });
                            }),
                        2, 1);
}

}  // namespace tavelo
