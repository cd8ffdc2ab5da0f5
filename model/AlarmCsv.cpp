#include "AlarmCsv.h"

#include "AlarmListForm.h"
#include "CsvText.h"
#include "TextFormat.h"

namespace tavelo {

namespace {

const CsvRow kTitles = {u"序号", u"字符串"};
constexpr const char16_t* kLineRefused = u"第 %d 行未导入：";
constexpr const char16_t* kLineCut = u"第 %d 行超过 24 列，已截为：";

}  // namespace

std::string ExportAlarmCsv(const CAlarmList& alarms, const CAppState& state) {
    CAlarmList copy = alarms;
    CAlarmListForm form(copy, state);
    form.Open();
    std::vector<CsvRow> rows{kTitles};
    for (const CAlarmListForm::CRow& row : form.GetRows())
        if (!row.m_strText.empty()) rows.push_back({row.m_strLabel, row.m_strText});
    return FormatCsv(rows);
}

CAlarmImport ImportAlarmCsv(std::string_view csv, CAlarmList& alarms, const CAppState& state) {
    std::vector<CsvRow> rows = ParseCsv(csv);
    const bool titled = !rows.empty() && rows.front() == kTitles;
    alarms.m_texts = {std::u16string()};
    CAlarmListForm form(alarms, state);
    form.Open();
    CAlarmImport result;
    for (std::size_t i = titled ? 1 : 0; i < rows.size(); ++i) {
        const std::int64_t line = static_cast<std::int64_t>(i + 1);
        const std::u16string& text = rows[i].size() > 1 ? rows[i][1] : rows[i][0];
        if (text.empty()) continue;
        std::optional<std::u16string> refusal =
            form.BeginEdit(static_cast<int>(result.m_nImported));
        if (!refusal) refusal = form.TypeText(text);
        form.EndEdit();
        if (refusal) {
            result.m_notes.push_back(FormatMessage(kLineRefused, line) + *refusal);
            continue;
        }
        const std::u16string& taken = form.GetRows()[result.m_nImported].m_strText;
        if (taken != text) result.m_notes.push_back(FormatMessage(kLineCut, line) + taken);
        ++result.m_nImported;
    }
    form.Ok();
    return result;
}

}  // namespace tavelo
