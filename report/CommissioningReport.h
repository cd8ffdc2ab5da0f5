#pragma once
// The commissioning report of a project as a PDF file: a title page with the project, model,
// PLC type, link and system settings; a section per screen with its picture as the panel shows
// it and a table of its elements and addresses; the alarm list; the address cross-reference;
// and the check's findings.

#include <QString>
#include <filesystem>

namespace tavelo {

class CAppState;
class CTaveloDoc;
struct CCheckResult;

// Needs a Qt application (the offscreen platform will do). Throws CFileError when the file
// cannot be written; an earlier file is then unchanged. Returns the page count.
int WriteCommissioningReport(const CTaveloDoc& doc, const CAppState& state,
                             const CCheckResult& check, const QString& projectName,
                             const std::filesystem::path& file);

}  // namespace tavelo
