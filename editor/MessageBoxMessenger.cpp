#include "MessageBoxMessenger.h"

#include <QMessageBox>
#include <QPushButton>

#include "CaptionRoom.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

QMessageBox::Icon ToQtIcon(CMessenger::EIcon icon) {
    switch (icon) {
        case CMessenger::EIcon::kInformation:
            return QMessageBox::Information;
        case CMessenger::EIcon::kWarning:
            return QMessageBox::Warning;
        case CMessenger::EIcon::kStop:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void CMessageBoxMessenger::Show(QWidget* parent, const QString& caption, const QString& text,
                                EIcon icon) {
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    ReserveCaptionRoom(box);
    box.exec();
}

CMessenger::EAnswer CMessageBoxMessenger::AskYesNoCancel(QWidget* parent, const QString& caption,
                                                         const QString& text, EIcon icon) {
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    ReserveCaptionRoom(box);
    box.exec();
    if (box.clickedButton() == yes) return EAnswer::kYes;
    if (box.clickedButton() == no) return EAnswer::kNo;
    return EAnswer::kCancel;
}

}  // namespace tavelo
