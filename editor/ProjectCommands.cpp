#include "ProjectCommands.h"

#include <QFileInfo>
#include <filesystem>
#include <fstream>

#include "EditorContext.h"
#include "EditorTexts.h"
#include "FileChooser.h"
#include "Messenger.h"
#include "QtText.h"
#include "TaveloView.h"
#include "compiler/ReapplyPanels.h"
#include "dialogs/SettingsCommands.h"
#include "model/AppState.h"
#include "model/FileError.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileName.h"
#include "model/TaveloDoc.h"
#include "plc/ProgramDirectory.h"
#include "undo/UndoHistory.h"

namespace tavelo {
namespace {

QString Text(const char16_t* text) {
    return ShownText(text);
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// The user's sentence first; the reason, naming the file and the byte, for whoever digs deeper.
QString FileFailure(const char16_t* sentence, const CFileError& error) {
    return Text(sentence) + u'\n' + QString::fromStdString(error.what());
}

}  // namespace

CProjectCommands::CProjectCommands(CTaveloView& view) : QObject(&view), m_view(view) {}

CEditorContext& CProjectCommands::Context() const {
    return m_view.GetContext();
}

QString CProjectCommands::ModelCaption() const {
    return QString::fromUtf16(Context().m_state.GetModelName());
}

bool CProjectCommands::IsPlcTypeFileReadable() const {
    return std::ifstream(Context().m_programDir / kPlcTypesFileName).is_open();
}

CProjectCommands::ESaveAnswer CProjectCommands::AskToSave() {
    if (!Context().m_doc.IsModified()) return ESaveAnswer::kGoOn;
    switch (Context().m_messenger.AskYesNoCancel(m_view.window(), ModelCaption(),
                                                 Text(editor_text::kAskToSave),
                                                 CMessenger::EIcon::kWarning)) {
        case CMessenger::EAnswer::kYes:
            // A save that failed keeps the project, whatever the command was.
            return Save() ? ESaveAnswer::kGoOn : ESaveAnswer::kStop;
        case CMessenger::EAnswer::kNo:
            return ESaveAnswer::kGoOn;
        case CMessenger::EAnswer::kCancel:
            break;
    }
    return ESaveAnswer::kStop;
}

bool CProjectCommands::New() {
    CEditorContext& context = Context();
    if (!IsPlcTypeFileReadable()) {
        context.m_messenger.Show(m_view.window(), Text(editor_text::kMessageCaption),
                                 Text(editor_text::kInstallFirst), CMessenger::EIcon::kWarning);
        return false;
    }
    if (AskToSave() == ESaveAnswer::kStop) return false;
    MakeNewProject(context.m_doc);
    if (RunDisplayTypeCommand(context, m_view.window())) emit CaptionChanged(ModelCaption());
    RunLinkSettingsCommand(context, m_view.window());
    m_strProjectPath.clear();
    emit CaptionChanged(ModelCaption());
    m_view.StartProject();
    context.m_doc.SetModified(false);
    emit ProjectStarted();
    return true;
}

bool CProjectCommands::Open() {
    const QString path = Context().m_files.ChooseProjectToOpen(m_view.window());
    if (path.isEmpty()) return false;
    return OpenPath(path);
}

bool CProjectCommands::OpenPath(const QString& path) {
    CEditorContext& context = Context();
    if (AskToSave() == ESaveAnswer::kStop) return false;
    try {
        // All or nothing: the open project stays as it was when the file is refused.
        CProjectFile::Open(ToPath(path), context.m_registry, context.m_doc, context.m_state);
    } catch (const CFileError& error) {
        context.m_messenger.Show(m_view.window(), Text(editor_text::kMessageCaption),
                                 FileFailure(editor_text::kCannotOpenProject, error),
                                 CMessenger::EIcon::kStop);
        return false;
    }
    ReapplyPanels(context.m_doc, context.m_state);
    m_strProjectPath = QFileInfo(path).absoluteFilePath();
    emit CaptionChanged(m_strProjectPath);
    m_view.StartProject();
    context.m_doc.SetModified(false);
    emit ProjectStarted();
    emit ProjectFileUsed(m_strProjectPath);
    return true;
}

bool CProjectCommands::Save() {
    if (m_strProjectPath.isEmpty()) return SaveAs();
    return WriteTo(m_strProjectPath, EReadOnlyTarget::kRefuse);
}

bool CProjectCommands::SaveAs() {
    CEditorContext& context = Context();
    for (;;) {
        const QString chosen = context.m_files.ChooseProjectToSave(m_view.window());
        if (chosen.isEmpty()) return false;
        const QString path = ToQString(ProjectPathForSaving(ToPath(chosen)).u16string());
        // A read-only file is named in the question, so 是 is consent to replace it.
        const bool readOnly = IsReadOnlyFile(ToPath(path));
        if (QFileInfo::exists(path)) {
            const CMessenger::EAnswer answer = context.m_messenger.AskYesNoCancel(
                m_view.window(), ModelCaption(),
                readOnly ? Text(editor_text::kAskToReplaceReadOnly).arg(path)
                         : Text(editor_text::kAskToReplace),
                CMessenger::EIcon::kStop);
            if (answer == CMessenger::EAnswer::kNo) continue;
            if (answer == CMessenger::EAnswer::kCancel) return false;
        }
        if (!WriteTo(path, readOnly ? EReadOnlyTarget::kReplace : EReadOnlyTarget::kRefuse))
            return false;
        m_strProjectPath = QFileInfo(path).absoluteFilePath();
        emit CaptionChanged(m_strProjectPath);
        return true;
    }
}

bool CProjectCommands::WriteTo(const QString& path, EReadOnlyTarget readOnly) {
    CEditorContext& context = Context();
    try {
        CProjectFile::Save(context.m_doc, context.m_state, ToPath(path), readOnly);
    } catch (const CReadOnlyFileError&) {
        context.m_messenger.Show(m_view.window(), Text(editor_text::kMessageCaption),
                                 Text(editor_text::kReadOnlyProject).arg(path),
                                 CMessenger::EIcon::kStop);
        return false;
    } catch (const CFileError& error) {
        context.m_messenger.Show(m_view.window(), Text(editor_text::kMessageCaption),
                                 FileFailure(editor_text::kCannotSaveProject, error),
                                 CMessenger::EIcon::kStop);
        return false;
    }
    m_view.GetHistory().SetClean();
    emit ProjectFileUsed(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CProjectCommands::Close() {
    if (AskToSave() == ESaveAnswer::kStop) return false;
    CEditorContext& context = Context();
    context.m_doc.DeleteAllScreens();
    context.m_doc.ClearAll();
    m_view.EndProject();
    m_strProjectPath.clear();
    emit CaptionChanged(ModelCaption());
    context.m_doc.SetModified(false);
    emit ProjectClosed();
    return true;
}

bool CProjectCommands::Exit() {
    if (AskToSave() == ESaveAnswer::kStop) return false;
    Context().m_doc.SetModified(false);
    return true;
}

bool CProjectCommands::ChooseDisplayType() {
    bool chosen = false;
    // Cancel may still have changed the model, which undo then takes back as well.
    m_view.GetHistory().Record(EEditStep::kDisplayType, [this, &chosen] {
        chosen = RunDisplayTypeCommand(Context(), m_view.window());
    });
    if (!chosen) return false;
    // A saved project keeps its path in the caption.
    emit CaptionChanged(m_strProjectPath.isEmpty() ? ModelCaption() : m_strProjectPath);
    return true;
}

}  // namespace tavelo
