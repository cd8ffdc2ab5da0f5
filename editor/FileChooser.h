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
    // A file to export to, starting at the suggested name, replacing an earlier one after the
    // dialog's question; and an existing file to import. filter is a dialog name filter
    // ("CSV (*.csv)"). Choosers that offer no files answer as cancelled.
    virtual QString ChooseExportFile(QWidget* /*parent*/, const QString& /*suggested*/,
                                     const QString& /*filter*/) {
        return {};
    }
    virtual QString ChooseImportFile(QWidget* /*parent*/, const QString& /*filter*/) { return {}; }
};

}  // namespace tavelo
