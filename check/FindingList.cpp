#include "FindingList.h"

#include "ElementNames.h"
#include "model/GraphObj.h"

namespace tavelo {

void CFindingList::AddProjectWide(ESeverity severity, const char* code, CComposedMessage message) {
    AddScreen(severity, code, CFinding::kProjectWide, std::move(message));
}

void CFindingList::AddScreen(ESeverity severity, const char* code, std::int32_t screen,
                             CComposedMessage message) {
    CFinding finding;
    finding.m_eSeverity = severity;
    finding.m_strCode = code;
    finding.m_nScreen = screen;
    finding.m_strMessage = message.Joined();
    finding.m_message = std::move(message);
    m_findings.push_back(std::move(finding));
}

void CFindingList::AddElement(ESeverity severity, const char* code, const CGraphObj& element,
                              const CComposedMessage& message) {
    AddScreen(severity, code, element.m_nScreenNo, DescribeElement(element).Add(message));
    CFinding& finding = m_findings.back();
    finding.m_pElement = &element;
    finding.m_strElementClass = element.GetClassName();
    finding.m_ptDots = ElementDots(element);
}

}  // namespace tavelo
