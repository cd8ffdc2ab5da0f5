#include "FileDialogChooser.h"

#include <QFileDialog>

namespace tavelo {
namespace {

QString ChooseExisting(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace

QString CFileDialogChooser::ChooseProjectToOpen(QWidget* parent) {
    // Name filters match regardless of case, so older lower-case names show too.
    return ChooseExisting(parent, QStringLiteral("Text files (*.ZOR*)"));
}

QString CFileDialogChooser::ChooseProjectToSave(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Text files (*.ZORX)"));
    dialog.setDefaultSuffix(QStringLiteral("ZORX"));
    // The caller asks its own replace question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QString CFileDialogChooser::ChooseBitmap(QWidget* parent) {
    return ChooseExisting(parent, QStringLiteral("位图文件 (*.bmp);;所有文件 (*)"));
}

}  // namespace tavelo
