#pragma once
// The main window on a fixture document; it opens no browser, and closing it asks nothing.

#include "app/MainFrame.h"
#include "editor/ProjectCommands.h"
#include "support/qt/EditorFixture.h"
#include "support/qt/ModalDialogs.h"

namespace tavelo::test {

struct MainWindow : EditorFixture {
    MainWindow() {
        frame.m_openUrl = [](const QUrl&) { return true; };
    }
    ~MainWindow() { doc.SetModified(false); }

    // The display type dialog New opens is accepted.
    bool NewProject() {
        ModalDialogs dialogs;
        return frame.GetProjectCommands().New();
    }

    CMainFrame frame{context};
};

}  // namespace tavelo::test
