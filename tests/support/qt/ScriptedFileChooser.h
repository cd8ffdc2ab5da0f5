#pragma once
// A file chooser that hands out queued paths; an empty queue answers as a cancelled dialog.

#include <QString>
#include <deque>

#include "editor/FileChooser.h"

namespace tavelo::test {

class ScriptedFileChooser : public CFileChooser {
public:
    QString ChooseProjectToOpen(QWidget*) override { return Next(openPaths); }
    QString ChooseProjectToSave(QWidget*) override { return Next(savePaths); }
    QString ChooseBitmap(QWidget*) override { return Next(bitmapPaths); }
    QString ChooseFolder(QWidget*, const QString&, const QString&) override {
        return Next(folderPaths);
    }
    QString ChooseExportFile(QWidget*, const QString&, const QString&) override {
        return Next(exportPaths);
    }
    QString ChooseImportFile(QWidget*, const QString&) override { return Next(importPaths); }

    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    std::deque<QString> bitmapPaths;
    std::deque<QString> folderPaths;
    std::deque<QString> exportPaths;
    std::deque<QString> importPaths;

private:
    static QString Next(std::deque<QString>& paths) {
        if (paths.empty()) return {};
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

}  // namespace tavelo::test
