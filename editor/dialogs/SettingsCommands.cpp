#include "SettingsCommands.h"

#include <exception>
#include <optional>

#include "AboutDialog.h"
#include "AlarmDialog.h"
#include "CopyScreenDialog.h"
#include "DeleteScreenDialog.h"
#include "DialogParts.h"
#include "DisplayTypeDialog.h"
#include "LinkSettingsDialog.h"
#include "PortDialog.h"
#include "ScreenDialog.h"
#include "SystemSetingDialog.h"
#include "editor/EditorContext.h"
#include "editor/QtText.h"
#include "model/ArchiveError.h"
#include "model/DisplayTypeForm.h"
#include "model/FileError.h"
#include "model/ScreenCommands.h"
#include "model/TaveloDoc.h"
#include "plc/PlcTypeFile.h"
#include "plc/PortForm.h"
#include "plc/ProgramDirectory.h"

namespace tavelo {

namespace {

bool IsAccepted(const DialogExec& exec, QDialog& dialog) {
    return exec(dialog) == QDialog::Accepted;
}

// Names the file and the reason, after the message New shows for a missing file.
std::u16string PlcTypesUnreadable(const std::exception& error) {
    return std::u16string(kInstallFirstMessage) + u"\n" + ToU16(QString::fromUtf8(error.what()));
}

// The form of the link dialog, or none after telling the user why PlcTypes.DAT could not be
// read; nothing has changed then.
std::optional<CLinkSettingsForm> OpenLinkSettings(CEditorContext& context, QWidget* parent) {
    const std::filesystem::path file = context.m_programDir / kPlcTypesFileName;
    try {
        return std::make_optional<CLinkSettingsForm>(context.m_doc.GetLink(), context.m_state,
                                                     [&file] { return CPlcTypeFile::Load(file); });
    } catch (const CFileError& error) {
        ShowNotice(context.m_messenger, parent, PlcTypesUnreadable(error));
    } catch (const CArchiveError& error) {
        ShowNotice(context.m_messenger, parent, PlcTypesUnreadable(error));
    }
    return std::nullopt;
}

}  // namespace

int ExecModal(QDialog& dialog) {
    return dialog.exec();
}

bool RunDisplayTypeCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec) {
    CDisplayTypeForm form(context.m_state);
    CDisplayTypeDialog dialog(form, parent);
    if (!IsAccepted(exec, dialog)) return false;
    context.m_doc.SetModified();
    return true;
}

bool RunLinkSettingsCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec) {
    std::optional<CLinkSettingsForm> form = OpenLinkSettings(context, parent);
    if (!form) return false;
    CLinkSettingsDialog dialog(*form, context.m_messenger, parent);
    if (!IsAccepted(exec, dialog)) return false;
    context.m_doc.SetModified();
    return true;
}

bool RunPortCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec) {
    CPortForm form(context.m_doc.GetLink());
    CPortDialog dialog(form, parent);
    if (!IsAccepted(exec, dialog)) return false;
    context.m_doc.SetModified();
    return true;
}

bool RunSystemSettingsCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec) {
    CSystemSettingsForm form(context.m_doc.GetSystemSettings(), context.m_state);
    CSystemSetingDialog dialog(form, context.m_messenger, parent);
    if (!IsAccepted(exec, dialog)) return false;
    context.m_doc.SetModified();
    return true;
}

bool RunAlarmListCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec) {
    if (const std::optional<std::u16string> refusal =
            CAlarmListForm::CheckCommand(context.m_state)) {
        ShowNotice(context.m_messenger, parent, *refusal);
        return false;
    }
    CAlarmListForm form(context.m_doc.GetAlarms(), context.m_state);
    CAlarmDialog dialog(form, context.m_messenger, parent);
    if (!IsAccepted(exec, dialog)) return false;
    context.m_doc.SetModified();
    return true;
}

std::optional<std::int32_t> RunNewScreenCommand(CEditorContext& context, std::int32_t currentScreen,
                                                QWidget* parent, const DialogExec& exec) {
    CScreenDialog dialog(context.m_doc, context.m_messenger, currentScreen, parent);
    if (!IsAccepted(exec, dialog)) return std::nullopt;
    return DoNewScreen(context.m_doc, dialog.GetNumber(), dialog.GetDescription()).GetNumber();
}

std::optional<std::int32_t> RunCopyScreenCommand(CEditorContext& context,
                                                 std::int32_t currentScreen, QWidget* parent,
                                                 const DialogExec& exec) {
    CCopyScreenDialog dialog(context.m_doc, context.m_messenger, currentScreen, parent);
    if (!IsAccepted(exec, dialog)) return std::nullopt;
    return DoCopyScreen(context.m_doc, currentScreen, dialog.GetNumber()).GetNumber();
}

std::optional<std::int32_t> RunDeleteScreenCommand(CEditorContext& context,
                                                   std::int32_t currentScreen, QWidget* parent,
                                                   const DialogExec& exec) {
    CDeleteScreenDialog dialog(currentScreen, parent);
    if (!IsAccepted(exec, dialog)) return std::nullopt;
    return DoDeleteScreen(context.m_doc, currentScreen);
}

void RunAboutCommand(CEditorContext& context, QWidget* parent, const DialogExec& exec) {
    CAboutDialog dialog(context.m_state, parent);
    exec(dialog);
}

}  // namespace tavelo
