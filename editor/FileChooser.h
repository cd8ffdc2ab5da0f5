#pragma once
// How the editor asks for file names, so tests can hand in paths instead of facing a file
// dialog. Each call answers an empty string when the user cancels.

#include <QString>

class QWidget;

namespace tavelo {

class CFileChooser {
public:
    virtual ~CFileChooser() = default;

    // An existing project file (".ZORX" or ".ZOR").
    virtual QString ChooseProjectToOpen(QWidget* parent) = 0;
    // The file to save the project as; the caller asks before replacing it.
    virtual QString ChooseProjectToSave(QWidget* parent) = 0;
    // An existing BMP file for the static bitmap tool.
    virtual QString ChooseBitmap(QWidget* parent) = 0;
    // An existing folder, starting at start.
    virtual QString ChooseFolder(QWidget* parent, const QString& caption, const QString& start) = 0;
};

}  // namespace tavelo
