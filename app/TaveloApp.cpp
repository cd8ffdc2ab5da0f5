#include "TaveloApp.h"

#include "ConsoleMessenger.h"
#include "MainFrame.h"
#include "editor/MessageBoxMessenger.h"
#include "editor/ProjectCommands.h"
#include "elements/ElementClasses.h"
#include "model/ModelClasses.h"

namespace tavelo {

namespace {

std::unique_ptr<CMessenger> MakeMessenger(bool unattended) {
    if (unattended) return std::make_unique<CConsoleMessenger>();
    return std::make_unique<CMessageBoxMessenger>();
}

}  // namespace

CTaveloApp::CTaveloApp(std::filesystem::path programDir, bool unattended)
    : m_pMessenger(MakeMessenger(unattended)), m_context{m_doc,      m_state,
                                                         m_registry, *m_pMessenger,
                                                         m_files,    std::move(programDir)} {
    RegisterModelClasses(m_registry);
    RegisterElementClasses(m_registry);
    m_pMainFrame = std::make_unique<CMainFrame>(m_context);
}

CTaveloApp::~CTaveloApp() = default;

void CTaveloApp::Start(const QString& projectPath) {
    m_pMainFrame->show();
    if (!projectPath.isEmpty()) m_pMainFrame->GetProjectCommands().OpenPath(projectPath);
    m_pMainFrame->UpdateCommandStates();
}

}  // namespace tavelo
