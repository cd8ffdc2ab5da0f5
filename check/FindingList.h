#pragma once
// Collects the findings of the check's parts, filling in where each one lies.

#include <string>
#include <vector>

#include "Finding.h"

namespace tavelo {

class CFindingList {
public:
    void AddProjectWide(ESeverity severity, const char* code, std::u16string message);
    void AddScreen(ESeverity severity, const char* code, std::int32_t screen,
                   std::u16string message);
    // The message follows the element's description ("画面 1 位于 (0, 0) 的静态文本").
    void AddElement(ESeverity severity, const char* code, const CGraphObj& element,
                    std::u16string_view message);

    const std::vector<CFinding>& Get() const { return m_findings; }
    std::vector<CFinding> Take() { return std::move(m_findings); }

private:
    std::vector<CFinding> m_findings;
};

}  // namespace tavelo
