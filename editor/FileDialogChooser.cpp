#include "FileDialogChooser.h"

#include <QFileDialog>

#include "EditorTexts.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

QString ChooseExisting(QWidget* parent, const QStringList& filters) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace

QString CFileDialogChooser::ChooseProjectToOpen(QWidget* parent) {
    // Name filters match regardless of case, so lower-case names show too.
    return ChooseExisting(parent, {ShownText(editor_text::kProjectFilesFilter),
                                   ShownText(editor_text::kAllFilesFilter)});
}

QString CFileDialogChooser::ChooseProjectToSave(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ShownText(editor_text::kSaveProjectFilter));
    dialog.setDefaultSuffix(QStringLiteral("ZORX"));
    // The caller asks its own replace question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QString CFileDialogChooser::ChooseBitmap(QWidget* parent) {
    return ChooseExisting(parent, {ShownText(editor_text::kBitmapFilesFilter),
                                   ShownText(editor_text::kAllFilesFilter)});
}

}  // namespace tavelo
