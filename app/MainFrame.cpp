#include "MainFrame.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include "AppTexts.h"
#include "CommandAvailability.h"
#include "ToolPalette.h"
#include "editor/CanvasGeometry.h"
#include "editor/EditorContext.h"
#include "editor/EditorTexts.h"
#include "editor/Messenger.h"
#include "editor/ProjectCommands.h"
#include "editor/TaveloView.h"
#include "editor/dialogs/SettingsCommands.h"
#include "editor/tools/ToolCommand.h"
#include "editor/tools/ToolCommands.h"
#include "model/AppState.h"
#include "model/TaveloDoc.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

QString Text(const char16_t* text) {
    return ShownText(text);
}

// Projects are told by their extension, in any case.
bool IsProjectFile(const QString& path) {
    return QFileInfo(path).suffix().startsWith(QLatin1String("zor"), Qt::CaseInsensitive);
}

}  // namespace

CMainFrame::CMainFrame(CEditorContext& context)
    : m_context(context),
      m_pView(new CTaveloView(context, this)),
      m_pProjectCommands(new CProjectCommands(*m_pView)),
      m_pDrawingToolbar(new CToolPalette(m_pView)) {
    m_openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setWindowTitle(Text(editor_text::kFrameCaption));
    setCentralWidget(m_pView);
    setAcceptDrops(true);
    move(20, 20);

    // A palette beside the canvas stands for the always-floating drawing toolbar.
    m_pDrawingToolbar->move(kToolPaletteOrigin.x, kToolPaletteOrigin.y);
    m_pDrawingToolbar->hide();

    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildToolsMenu();
    BuildDrawMenu();
    BuildHelpMenu();
    BuildSystemToolbar();
    // A normal widget of the bar: a status tip covers it while it shows, and it comes back
    // when the tip goes.
    auto* ready = new QLabel(Text(app_text::kReady), statusBar());
    ready->setObjectName(QStringLiteral("ready"));
    statusBar()->addWidget(ready, 1);

    connect(m_pProjectCommands, &CProjectCommands::CaptionChanged, this, &QWidget::setWindowTitle);
    connect(m_pProjectCommands, &CProjectCommands::ProjectFileUsed, this,
            &CMainFrame::OnProjectFileUsed);
    connect(m_pProjectCommands, &CProjectCommands::ProjectStarted, m_pDrawingToolbar,
            &QWidget::show);
    connect(m_pProjectCommands, &CProjectCommands::ProjectClosed, m_pDrawingToolbar,
            &QWidget::hide);
    connect(m_pView, &CTaveloView::StateChanged, this, &CMainFrame::UpdateCommandStates);
    UpdateCommandStates();
}

QAction* CMainFrame::AddCommand(QMenu* menu, const char16_t* text, std::function<void()> handler,
                                const QKeySequence& shortcut, const char16_t* tip) {
    QAction* action = menu->addAction(Text(text));
    action->setShortcut(shortcut);
    if (tip) {
        action->setIconText(Text(tip));
        action->setToolTip(Text(tip));
        action->setStatusTip(Text(tip));
    }
    if (handler) {
        connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
            handler();
            UpdateCommandStates();
        });
    } else {
        action->setEnabled(false);
    }
    return action;
}

void CMainFrame::BuildFileMenu() {
    m_pFileMenu = menuBar()->addMenu(Text(app_text::kFileMenu));
    CProjectCommands* commands = m_pProjectCommands;
    AddCommand(
        m_pFileMenu, app_text::kNew, [commands] { commands->New(); }, QKeySequence::New,
        app_text::kTipNew);
    AddCommand(
        m_pFileMenu, app_text::kOpen, [commands] { commands->Open(); }, QKeySequence::Open,
        app_text::kTipOpen);
    m_pSave = AddCommand(
        m_pFileMenu, app_text::kSave, [commands] { commands->Save(); }, QKeySequence::Save,
        app_text::kTipSave);
    m_projectActions << AddCommand(m_pFileMenu, app_text::kSaveAs,
                                   [commands] { commands->SaveAs(); });
    m_projectActions << AddCommand(m_pFileMenu, app_text::kCloseProject,
                                   [commands] { commands->Close(); });
    m_pFileMenu->addSeparator();
    m_projectActions << AddCommand(m_pFileMenu, app_text::kDisplayType,
                                   [commands] { commands->ChooseDisplayType(); });
    m_projectActions << AddCommand(m_pFileMenu, app_text::kPortChoice,
                                   [this] { RunPortCommand(m_context, this); });
    m_projectActions << AddCommand(m_pFileMenu, app_text::kLinkSettings,
                                   [this] { RunLinkSettingsCommand(m_context, this); });
    m_pDownload = AddCommand(
        m_pFileMenu, app_text::kDownload, [this] { m_pView->Download(); }, Qt::Key_F1,
        app_text::kTipDownload);
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, app_text::kExit, [this] { close(); });
    FillRecentFiles();
}

void CMainFrame::BuildEditMenu() {
    QMenu* menu = menuBar()->addMenu(Text(app_text::kEditMenu));
    // No clipboard and no undo: the entries stay grey and their keys do nothing.
    AddCommand(menu, app_text::kUndo, nullptr, QKeySequence::Undo);
    menu->addSeparator();
    AddCommand(menu, app_text::kCut, nullptr, QKeySequence::Cut, app_text::kTipCut);
    AddCommand(menu, app_text::kCopy, nullptr, QKeySequence::Copy, app_text::kTipCopy);
    AddCommand(menu, app_text::kPaste, nullptr, QKeySequence::Paste, app_text::kTipPaste);
    m_pDeleteSelection = AddCommand(
        menu, app_text::kDelete, [this] { m_pView->DeleteSelection(); }, Qt::CTRL | Qt::Key_D,
        app_text::kTipDeleteSelection);
    // The alignment commands live on the toolbar; the menu makes them reachable by keyboard.
    menu->addSeparator();
    const std::pair<EAlignment, std::pair<const char16_t*, const char16_t*>> alignments[] = {
        {EAlignment::kLeft, {app_text::kStatusAlignLeft, app_text::kTipAlignLeft}},
        {EAlignment::kRight, {app_text::kStatusAlignRight, app_text::kTipAlignRight}},
        {EAlignment::kTop, {app_text::kStatusAlignTop, app_text::kTipAlignTop}},
        {EAlignment::kBottom, {app_text::kStatusAlignBottom, app_text::kTipAlignBottom}},
    };
    for (const auto& [alignment, texts] : alignments) {
        m_alignActions << AddCommand(
            menu, texts.first,
            [this, alignment = alignment] { m_pView->GetViewState().Align(alignment); }, {},
            texts.second);
        m_alignActions.back()->setStatusTip(Text(texts.first));
    }
}

void CMainFrame::BuildViewMenu() {
    QMenu* menu = menuBar()->addMenu(Text(app_text::kViewMenu));
    QAction* toolbar = menu->addAction(Text(app_text::kDrawingToolbar));
    toolbar->setCheckable(true);
    connect(toolbar, &QAction::toggled, m_pDrawingToolbar, &QWidget::setVisible);
    connect(menu, &QMenu::aboutToShow, this,
            [this, toolbar] { toolbar->setChecked(m_pDrawingToolbar->isVisible()); });
    QAction* status = menu->addAction(Text(app_text::kStatusBar));
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void CMainFrame::BuildToolsMenu() {
    QMenu* menu = menuBar()->addMenu(Text(app_text::kToolsMenu));
    CTaveloView* view = m_pView;
    m_projectActions << AddCommand(
        menu, app_text::kNewScreen, [view] { view->NewScreen(); }, {}, app_text::kTipNewScreen);
    m_projectActions << AddCommand(
        menu, app_text::kCopyScreen, [view] { view->CopyScreen(); }, {}, app_text::kTipCopyScreen);
    m_pDeleteScreen = AddCommand(
        menu, app_text::kDeleteScreen, [view] { view->DeleteScreen(); }, {},
        app_text::kTipDeleteScreen);
    menu->addSeparator();
    m_projectActions << AddCommand(
        menu, app_text::kAlarmList, [this] { RunAlarmListCommand(m_context, this); }, {},
        app_text::kTipAlarmList);
    m_projectActions << AddCommand(
        menu, app_text::kSystemSettings, [this] { RunSystemSettingsCommand(m_context, this); }, {},
        app_text::kTipSystemSettings);
    m_projectActions << AddCommand(
        menu, app_text::kGrid, [view] { view->ToggleGrid(); }, Qt::CTRL | Qt::Key_G);
}

void CMainFrame::BuildDrawMenu() {
    QMenu* menu = menuBar()->addMenu(Text(app_text::kDrawMenu));
    for (const CToolCommand& command : tool_command::kCommands) {
        QAction* action = AddCommand(menu, command.m_pszMenuText, [this, &command] {
            RunToolCommand(m_context, m_pView->GetViewState(), command, this);
            m_pView->Redraw();
        });
        action->setIconText(Text(command.m_pszStatusText));
        action->setToolTip(Text(command.m_pszToolTip));
        action->setStatusTip(Text(command.m_pszStatusText));
        action->setCheckable(true);
        m_toolActions.push_back({action, &command});
    }
    for (int commandId : tool_command::kToolbarOrder)
        for (const auto& [action, command] : m_toolActions)
            if (command->m_nCommandId == commandId) m_pDrawingToolbar->AddButton(action);
}

void CMainFrame::BuildHelpMenu() {
    QMenu* menu = menuBar()->addMenu(Text(app_text::kHelpMenu));
    AddCommand(menu, app_text::kAbout, [this] { RunAboutCommand(m_context, this); });
    AddCommand(menu, app_text::kManual, [this] { OpenUserManual(); });
}

void CMainFrame::BuildSystemToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("system"));
    bar->setObjectName(QStringLiteral("systemToolbar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setStyleSheet(QStringLiteral("QToolButton { padding: 1px; }"));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    const auto add = [this, bar](const char16_t* menuText) {
        bar->addAction(FindAction(Text(menuText)));
    };
    add(app_text::kNew);
    add(app_text::kOpen);
    add(app_text::kSave);
    bar->addSeparator();
    add(app_text::kCut);
    add(app_text::kCopy);
    add(app_text::kPaste);
    bar->addSeparator();
    add(app_text::kDelete);
    bar->addSeparator();
    add(app_text::kNewScreen);
    add(app_text::kCopyScreen);
    add(app_text::kDeleteScreen);
    bar->addSeparator();
    add(app_text::kAlarmList);
    add(app_text::kSystemSettings);
    bar->addSeparator();
    add(app_text::kDownload);
    bar->addSeparator();
    for (QAction* action : m_alignActions) bar->addAction(action);
}

QAction* CMainFrame::FindAction(const QString& text) const {
    for (QAction* action : findChildren<QAction*>())
        if (action->text() == text) return action;
    return nullptr;
}

void CMainFrame::UpdateCommandStates() {
    const CCommandAvailability available = QueryCommandAvailability(m_pView->GetViewState());
    for (QAction* action : m_projectActions) action->setEnabled(available.m_bProjectCommands);
    for (QAction* action : m_alignActions) action->setEnabled(available.m_bAlign);
    m_pSave->setEnabled(available.m_bSave);
    m_pDeleteScreen->setEnabled(available.m_bDeleteScreen);
    m_pDeleteSelection->setEnabled(available.m_bDeleteSelection);
    m_pDownload->setEnabled(available.m_bDownload);
    const CViewState& view = m_pView->GetViewState();
    for (const auto& [action, command] : m_toolActions) {
        action->setEnabled(IsEnabled(view, *command));
        action->setChecked(IsChecked(view, *command));
    }
}

void CMainFrame::OpenUserManual() {
    const char* name = m_context.m_state.m_nModelIndex == CAppState::kModelZorB
                           ? app_text::kManualZorB
                           : app_text::kManualZorA;
    const QString path = QString::fromStdU16String((m_context.m_programDir / name).u16string());
    const char16_t* failure = nullptr;
    if (!QFileInfo::exists(path))
        failure = app_text::kManualMissing;
    else if (!m_openUrl(QUrl::fromLocalFile(path)))
        failure = app_text::kManualUnopenable;
    if (failure)
        m_context.m_messenger.Show(this, Text(editor_text::kMessageCaption), Text(failure),
                                   CMessenger::EIcon::kWarning);
}

void CMainFrame::FillRecentFiles() {
    for (QAction* action : m_recentActions) delete action;
    m_recentActions.clear();
    int number = 1;
    for (const QString& path : m_recentFiles.GetPaths()) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(path), this);
        connect(action, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) m_recentFiles.Remove(path);
            m_pProjectCommands->OpenPath(path);
            FillRecentFiles();
            UpdateCommandStates();
        });
        m_pFileMenu->insertAction(m_pRecentSeparator, action);
        m_recentActions << action;
    }
}

void CMainFrame::OnProjectFileUsed(const QString& path) {
    m_recentFiles.Add(path);
    FillRecentFiles();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_pProjectCommands->Exit())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && IsProjectFile(urls.front().toLocalFile()))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    m_pProjectCommands->OpenPath(event->mimeData()->urls().front().toLocalFile());
    UpdateCommandStates();
}

}  // namespace tavelo
