#include "CopyScreenDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogTexts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"
#include "model/FieldText.h"
#include "model/ScreenCommands.h"

namespace tavelo {

namespace dt = dialog_text;

CCopyScreenDialog::CCopyScreenDialog(const CTaveloDoc& doc, CMessenger& messenger,
                                     std::int32_t currentScreen, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_messenger(messenger) {
    setWindowTitle(ToQString(dt::kCopyScreenCaption));
    auto* copy = new QHBoxLayout;
    copy->addWidget(new QLabel(ToQString(dt::kCopyFrom), this));
    m_pSource = new QLineEdit(ToQString(FieldNumberText(currentScreen)), this);
    m_pSource->setReadOnly(true);
    m_pSource->setMaximumWidth(m_pSource->fontMetrics().horizontalAdvance(QString(7, u'0')));
    copy->addWidget(m_pSource);
    copy->addWidget(new QLabel(ToQString(dt::kCopyTo), this));
    m_pTarget = MakeScreenNumberField(ProposeScreenNumber(currentScreen), this);
    copy->addWidget(m_pTarget);
    copy->addWidget(new QLabel(ToQString(dt::kCopyScreenSuffix), this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(copy);
    layout->addWidget(MakeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CCopyScreenDialog::accept() {
    const std::optional<std::int32_t> target = TakeFreeScreenNumber(m_doc, m_messenger, *m_pTarget);
    if (!target) return;
    m_nTarget = *target;
    QDialog::accept();
}

}  // namespace tavelo
