#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "editor/CaptionRoom.h"
#include "editor/ProgramIcon.h"
#include "editor/QtText.h"
#include "model/DisplayTypeForm.h"

namespace tavelo {

namespace {
constexpr int kIconSize = 32;
}

CAboutDialog::CAboutDialog(const CAppState& state, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ShownText(dialog_text::kAboutCaption));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    m_pVersion = new QLabel(ShownText(CDisplayTypeForm::GetVersionText(state)), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(ShownText(dialog_text::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* text = new QHBoxLayout;
    text->addWidget(icon);
    text->addWidget(m_pVersion, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ReserveCaptionRoom(*this);
}

QString CAboutDialog::GetVersionText() const {
    return m_pVersion->text();
}

}  // namespace tavelo
