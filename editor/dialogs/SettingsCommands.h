#pragma once
// The settings and screen commands of the main window, each the whole flow around its
// dialog: what is checked before it opens, and what OK and Cancel change. The main window
// then refreshes what shows the project (screen list, panels, captions).

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

namespace tavelo {

struct CEditorContext;

// Runs a dialog modally and answers its result; tests hand in one that drives the dialog.
using DialogExec = std::function<int(QDialog&)>;
int ExecModal(QDialog& dialog);

// Panel model. True when the dialog ended with OK; the document is then marked modified.
bool RunDisplayTypeCommand(CEditorContext& context, QWidget* parent,
                           const DialogExec& exec = ExecModal);
// PLC type and link settings, from PlcTypes.DAT in the program directory. True on OK.
bool RunLinkSettingsCommand(CEditorContext& context, QWidget* parent,
                            const DialogExec& exec = ExecModal);
// Download port. True on OK.
bool RunPortCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec = ExecModal);
bool RunSystemSettingsCommand(CEditorContext& context, QWidget* parent,
                              const DialogExec& exec = ExecModal);
bool RunAlarmListCommand(CEditorContext& context, QWidget* parent,
                         const DialogExec& exec = ExecModal);

// The screen commands answer the screen to make current, or none when cancelled.
std::optional<std::int32_t> RunNewScreenCommand(CEditorContext& context, std::int32_t currentScreen,
                                                QWidget* parent,
                                                const DialogExec& exec = ExecModal);
std::optional<std::int32_t> RunCopyScreenCommand(CEditorContext& context,
                                                 std::int32_t currentScreen, QWidget* parent,
                                                 const DialogExec& exec = ExecModal);
std::optional<std::int32_t> RunDeleteScreenCommand(CEditorContext& context,
                                                   std::int32_t currentScreen, QWidget* parent,
                                                   const DialogExec& exec = ExecModal);

void RunAboutCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec = ExecModal);

}  // namespace tavelo
