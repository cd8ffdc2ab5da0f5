#pragma once
// The application: owns the one document, the process-wide state, the class registry, the
// ways to talk to the user and the main window, and opens the project named on the command
// line.

#include <QString>
#include <memory>

#include "editor/EditorContext.h"
#include "editor/FileDialogChooser.h"
#include "editor/Messenger.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/TaveloDoc.h"

namespace tavelo {

class CMainFrame;

class CTaveloApp {
public:
    // Without a user at the screen, messages go to standard error instead of message boxes.
    CTaveloApp(std::filesystem::path programDir, bool unattended);
    ~CTaveloApp();

    // Shows the main window; a project path opens that project. A file that cannot be opened
    // is reported and the program goes on without a project.
    void Start(const QString& projectPath);
    CMainFrame& GetMainFrame() const { return *m_pMainFrame; }

private:
    CTaveloDoc m_doc;
    CAppState m_state;
    CClassRegistry m_registry;
    std::unique_ptr<CMessenger> m_pMessenger;
    CFileDialogChooser m_files;
    CEditorContext m_context;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

}  // namespace tavelo
