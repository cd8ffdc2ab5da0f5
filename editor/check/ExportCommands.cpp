#include "ExportCommands.h"

#include <span>

#include "check/ProjectCheck.h"
#include "editor/EditorContext.h"
#include "editor/EditorTexts.h"
#include "editor/FileChooser.h"
#include "editor/Messenger.h"
#include "editor/QtText.h"
#include "model/AlarmCsv.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/ScreenCsv.h"
#include "model/TaveloDoc.h"
#include "report/CommissioningReport.h"
#include "translation/ShownText.h"

namespace tavelo {

namespace {

// Far beyond any alarm list a spreadsheet keeps for one panel.
constexpr std::uintmax_t kLargestCsvFile = 1u << 20;
constexpr const char16_t* kPdfFilter = u"PDF (*.pdf)";
constexpr const char16_t* kCsvFilter = u"CSV (*.csv)";
constexpr const char16_t* kImported = u"已导入 %1 条报警。";

void ShowError(CEditorContext& context, QWidget* parent, const QString& text) {
    context.m_messenger.Show(parent, ShownText(editor_text::kFrameCaption), text,
                             CMessenger::EIcon::kStop);
}

void WriteText(CEditorContext& context, QWidget* parent, const QString& file,
               const std::string& text) {
    try {
        WriteFileAtomically(
            file.toStdString(),
            std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const CFileError& error) {
        ShowError(context, parent, QString::fromUtf8(error.what()));
    }
}

}  // namespace

void RunExportReportCommand(CEditorContext& context, const QString& projectName, QWidget* parent) {
    const QString file = context.m_files.ChooseExportFile(
        parent, projectName + QStringLiteral(".pdf"), ToQString(kPdfFilter));
    if (file.isEmpty()) return;
    const CCheckResult check = CheckProject(context.m_doc, context.m_state, context.m_programDir);
    try {
        WriteCommissioningReport(context.m_doc, context.m_state, check, projectName,
                                 file.toStdString());
    } catch (const CFileError& error) {
        ShowError(context, parent, QString::fromUtf8(error.what()));
    }
}

void RunExportAlarmsCommand(CEditorContext& context, QWidget* parent) {
    const QString file = context.m_files.ChooseExportFile(parent, {}, ToQString(kCsvFilter));
    if (!file.isEmpty())
        WriteText(context, parent, file,
                  ExportAlarmCsv(context.m_doc.GetAlarms(), context.m_state));
}

void RunExportScreensCommand(CEditorContext& context, QWidget* parent) {
    const QString file = context.m_files.ChooseExportFile(parent, {}, ToQString(kCsvFilter));
    if (!file.isEmpty()) WriteText(context, parent, file, ExportScreenCsv(context.m_doc));
}

void RunImportAlarmsCommand(CEditorContext& context, QWidget* parent) {
    const QString file = context.m_files.ChooseImportFile(parent, ToQString(kCsvFilter));
    if (file.isEmpty()) return;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(file.toStdString(), kLargestCsvFile);
    } catch (const CFileError& error) {
        ShowError(context, parent, QString::fromUtf8(error.what()));
        return;
    }
    const CAlarmImport imported = ImportAlarmCsv(std::string(bytes.begin(), bytes.end()),
                                                 context.m_doc.GetAlarms(), context.m_state);
    context.m_doc.SetModified();
    QString text = ShownText(kImported).arg(imported.m_nImported);
    for (const std::u16string& note : imported.m_notes)
        text += QStringLiteral("\n") + ShownText(note);
    context.m_messenger.Show(
        parent, ShownText(editor_text::kFrameCaption), text,
        imported.m_notes.empty() ? CMessenger::EIcon::kInformation : CMessenger::EIcon::kWarning);
}

}  // namespace tavelo
