#pragma once
// The main window: the menus, the system toolbar, the drawing tool palette and the status bar
// around the one view, with every command routed to the part that handles it and made
// available as the editor's state allows.

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <utility>
#include <vector>

#include "RecentFiles.h"
#include "editor/undo/EditStep.h"

class QMenu;
class QToolBar;

namespace tavelo {

class CAddressDock;
class CCheckDock;
class CElementClipboard;
class CProjectCommands;
class CSimulationWindow;
class CToolPalette;
class CViewControls;
struct CToolCommand;
class CTaveloView;
struct CEditorContext;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CEditorContext& context);

    CTaveloView& GetView() const { return *m_pView; }
    CProjectCommands& GetProjectCommands() const { return *m_pProjectCommands; }
    CToolPalette* GetDrawingToolbar() const { return m_pDrawingToolbar; }
    CCheckDock* GetCheckDock() const { return m_pCheckDock; }
    CAddressDock* GetAddressDock() const { return m_pAddressDock; }
    // Finds an action by its menu text, for tests and the screenshot.
    QAction* FindAction(const QString& text) const;
    // Makes every command available or not, as the editor's state allows.
    void UpdateCommandStates();
    void OpenUserManual();
    // The simulation window, made at its first use; null until then.
    CSimulationWindow* GetSimulation() const { return m_pSimulation; }
    void ShowSimulation();

    // Tests replace the desktop's file opener.
    std::function<bool(const QUrl&)> m_openUrl;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, const char16_t* text, std::function<void()> handler,
                        const QKeySequence& shortcut = {}, const char16_t* tip = nullptr);
    // The command as one undo step.
    std::function<void()> Recorded(EEditStep step, std::function<void()> command);
    void UpdateEditCommands();
    void BuildFileMenu();
    void BuildEditMenu();
    QMenu* BuildViewMenu();
    void BuildToolsMenu();
    void BuildDrawMenu();
    void BuildHelpMenu();
    QToolBar* BuildSystemToolbar();
    void ChooseDriverFolder();
    // The machine's serial port chosen in the port dialog, if any, takes the COM port's place.
    void UsePortDevice();
    void BuildDocks();
    void FillRecentFiles();
    void OnProjectFileUsed(const QString& path);

    CEditorContext& m_context;
    CTaveloView* m_pView;
    CProjectCommands* m_pProjectCommands;
    CToolPalette* m_pDrawingToolbar;
    CViewControls* m_pViewControls = nullptr;
    CCheckDock* m_pCheckDock = nullptr;
    CAddressDock* m_pAddressDock = nullptr;
    CElementClipboard* m_pClipboard;
    CRecentFiles m_recentFiles;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    // Enabled as their names say.
    QList<QAction*> m_projectActions;
    QAction* m_pSave = nullptr;
    QAction* m_pDeleteScreen = nullptr;
    QAction* m_pDeleteSelection = nullptr;
    QAction* m_pUndo = nullptr;
    QAction* m_pRedo = nullptr;
    QAction* m_pCut = nullptr;
    QAction* m_pCopy = nullptr;
    QAction* m_pPaste = nullptr;
    QList<QAction*> m_alignActions;
    QAction* m_pDownload = nullptr;
    // The project file last opened or saved; it names the exported report.
    QString m_strProjectPath;
    CSimulationWindow* m_pSimulation = nullptr;
    std::vector<std::pair<QAction*, const CToolCommand*>> m_toolActions;
};

}  // namespace tavelo
