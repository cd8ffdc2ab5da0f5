#pragma once
// The file chooser of the running program: the platform's file dialogs.

#include "FileChooser.h"

namespace tavelo {

class CFileDialogChooser : public CFileChooser {
public:
    QString ChooseProjectToOpen(QWidget* parent) override;
    QString ChooseProjectToSave(QWidget* parent) override;
    QString ChooseBitmap(QWidget* parent) override;
    QString ChooseFolder(QWidget* parent, const QString& caption, const QString& start) override;
    QString ChooseExportFile(QWidget* parent, const QString& suggested,
                             const QString& filter) override;
    QString ChooseImportFile(QWidget* parent, const QString& filter) override;
};

}  // namespace tavelo
