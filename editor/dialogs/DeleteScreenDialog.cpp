#include "DeleteScreenDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogTexts.h"
#include "editor/QtText.h"
#include "model/FieldText.h"

namespace tavelo {

CDeleteScreenDialog::CDeleteScreenDialog(std::int32_t currentScreen, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(ShownText(dialog_text::kDeleteScreenCaption));
    auto* screen = new QHBoxLayout;
    screen->addWidget(new QLabel(ShownText(dialog_text::kDeleteScreenText), this));
    m_pScreen = new QLineEdit(ToQString(FieldNumberText(currentScreen)), this);
    m_pScreen->setReadOnly(true);
    screen->addWidget(m_pScreen);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(screen);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tavelo
