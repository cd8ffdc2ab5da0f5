#include "CopyScreenDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "DialogTexts.h"
#include "SpinButtonEdit.h"
#include "editor/QtText.h"
#include "model/FieldText.h"
#include "model/ScreenCommands.h"

namespace tavelo {

namespace dt = dialog_text;

CCopyScreenDialog::CCopyScreenDialog(const CTaveloDoc& doc, CMessenger& messenger,
                                     std::int32_t currentScreen, QWidget* parent)
    : CScreenNumberDialog(doc, messenger, dt::kCopyScreenCaption,
                          ProposeScreenNumber(currentScreen), parent),
      m_pSource(new QLineEdit(ToQString(FieldNumberText(currentScreen)), this)) {
    m_pSource->setReadOnly(true);
    m_pSource->setMaximumWidth(m_pSource->fontMetrics().horizontalAdvance(QString(7, u'0')));
    auto* copy = new QHBoxLayout;
    copy->addWidget(new QLabel(ShownText(dt::kCopyFrom), this));
    copy->addWidget(m_pSource);
    copy->addWidget(new QLabel(ShownText(dt::kCopyTo), this));
    copy->addWidget(&GetNumberField());
    copy->addWidget(new QLabel(ShownText(dt::kCopyScreenSuffix), this));
    SetContents(copy);
}

}  // namespace tavelo
