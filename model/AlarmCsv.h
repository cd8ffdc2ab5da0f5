#pragma once
// The alarm list as CSV for spreadsheets: a title line, then one line per alarm with its bit
// label and its text. An import goes through the alarm list dialog's rules as typing would,
// so its cuts and refusals apply, and names every line it cut or refused.

#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

class CAlarmList;
class CAppState;

struct CAlarmImport {
    std::size_t m_nImported = 0;
    // One per line cut or refused, naming the line.
    std::vector<std::u16string> m_notes;
};

std::string ExportAlarmCsv(const CAlarmList& alarms, const CAppState& state);

// Replaces the alarm texts by the file's; the unit, station and bit stay. A first line equal to
// the title line is skipped; the text is the second field, or the only one.
CAlarmImport ImportAlarmCsv(std::string_view csv, CAlarmList& alarms, const CAppState& state);

}  // namespace tavelo
