#pragma once
// Collects the findings of the check's parts, filling in where each one lies.

#include <string>
#include <vector>

#include "Finding.h"
#include "model/ComposedMessage.h"

namespace tavelo {

class CFindingList {
public:
    void AddProjectWide(ESeverity severity, const char* code, CComposedMessage message);
    void AddScreen(ESeverity severity, const char* code, std::int32_t screen,
                   CComposedMessage message);
    // The message follows the element's description ("画面 1 位于 (0, 0) 的静态文本").
    void AddElement(ESeverity severity, const char* code, const CGraphObj& element,
                    const CComposedMessage& message);

    const std::vector<CFinding>& Get() const { return m_findings; }
    std::vector<CFinding> Take() { return std::move(m_findings); }

private:
    std::vector<CFinding> m_findings;
};

}  // namespace tavelo
