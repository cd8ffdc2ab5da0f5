#pragma once
// The editor's exports and imports: the commissioning report as PDF, the alarm list and the
// screens as CSV, and the alarm list taken back from CSV. Each asks for its file, writes or
// reads it and shows what went wrong, if anything.

#include <QString>

class QWidget;

namespace tavelo {

struct CEditorContext;

// projectName names the project on the report's pages.
void RunExportReportCommand(CEditorContext& context, const QString& projectName, QWidget* parent);
void RunExportAlarmsCommand(CEditorContext& context, QWidget* parent);
// Replaces the alarm texts and shows a line per cut or refused row.
void RunImportAlarmsCommand(CEditorContext& context, QWidget* parent);
void RunExportScreensCommand(CEditorContext& context, QWidget* parent);

}  // namespace tavelo
