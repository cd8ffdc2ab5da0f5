#include "CheckListForm.h"

#include "CheckMessages.h"
#include "model/TextCodec.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace cm = check_messages;

void CCheckListForm::Load(CCheckResult result) {
    m_result = std::move(result);
    m_rows.clear();
    for (const CFinding& finding : m_result.m_findings)
        m_rows.push_back({SeverityName(finding.m_eSeverity), FromUtf8(finding.m_strCode),
                          finding.m_strMessage, finding.m_eSeverity == ESeverity::Error,
                          finding.m_message});
    m_budget = BudgetAreas(m_result.m_compiled.m_layout);
    m_nImageBytes = m_result.m_compiled.m_layout.GetLength();
}

std::optional<CCheckListForm::CTarget> CCheckListForm::GetTarget(std::size_t row) const {
    if (row >= m_result.m_findings.size()) return std::nullopt;
    const CFinding& finding = m_result.m_findings[row];
    if (finding.m_nScreen == CFinding::kProjectWide) return std::nullopt;
    return CTarget{finding.m_nScreen, finding.m_pElement};
}

std::u16string CCheckListForm::GetSummary() const {
    if (m_rows.empty()) return cm::kNoFindings;
    return FormatMessage(cm::kSummary, m_result.Count(ESeverity::Error),
                         m_result.Count(ESeverity::Warning));
}

std::u16string CCheckListForm::GetBudgetText() const {
    return FormatMessage(cm::kBudgetText, m_nImageBytes, kMaxImageSize,
                         m_nImageBytes * 100 / kMaxImageSize);
}

std::u16string CCheckListForm::GetDownloadQuestion() const {
    return FormatMessage(cm::kDownloadQuestion, m_result.Count(ESeverity::Error));
}

}  // namespace tavelo
