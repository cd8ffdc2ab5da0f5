#pragma once
// What the editor's "检查" dock shows: one row per finding, where a double click on a row
// leads, the summary line, the image budget by area and the question before a download.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ImageBudget.h"
#include "ProjectCheck.h"

namespace tavelo {

class CCheckListForm {
public:
    struct CRow {
        std::u16string m_strSeverity;
        std::u16string m_strCode;
        std::u16string m_strMessage;
        bool m_bError = false;
        // The message in its pieces, for the interface language.
        CComposedMessage m_message;
    };
    // A screen to show and the element to select there (null for a screen's finding).
    struct CTarget {
        std::int32_t m_nScreen;
        const CGraphObj* m_pElement;
    };

    void Load(CCheckResult result);

    const std::vector<CRow>& GetRows() const { return m_rows; }
    // None for project-wide findings and rows out of range.
    std::optional<CTarget> GetTarget(std::size_t row) const;
    // "2 个错误，1 个警告" or "没有发现问题".
    std::u16string GetSummary() const;

    const std::vector<CBudgetArea>& GetBudgetAreas() const { return m_budget; }
    std::size_t GetImageBytes() const { return m_nImageBytes; }
    // "下载数据 12345 / 33792 字节 (36%)".
    std::u16string GetBudgetText() const;

    bool HasErrors() const { return m_result.Count(ESeverity::Error) > 0; }
    // The question a download asks when there are errors.
    std::u16string GetDownloadQuestion() const;

private:
    CCheckResult m_result;
    std::vector<CRow> m_rows;
    std::vector<CBudgetArea> m_budget;
    std::size_t m_nImageBytes = 0;
};

}  // namespace tavelo
