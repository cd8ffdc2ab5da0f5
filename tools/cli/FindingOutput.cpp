#include "FindingOutput.h"

#include <ostream>

#include "model/TextCodec.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

void WriteFindingLines(const std::vector<CFinding>& findings, std::ostream& out) {
    for (const CFinding& finding : findings)
        out << ShownUtf8(SeverityName(finding.m_eSeverity)) << " [" << finding.m_strCode << "] "
            << ShownUtf8(finding.m_message) << "\n";
}

tools::Json FindingsJson(const CCheckResult& result) {
    tools::Json findings = tools::Json::array();
    for (const CFinding& finding : result.m_findings) {
        tools::Json entry;
        entry["severity"] = SeverityKey(finding.m_eSeverity);
        entry["code"] = finding.m_strCode;
        entry["screen"] = finding.m_nScreen == CFinding::kProjectWide
                              ? tools::Json(nullptr)
                              : tools::Json(finding.m_nScreen);
        if (finding.m_pElement)
            entry["element"] = {{"class", finding.m_strElementClass},
                                {"x", finding.m_ptDots.x},
                                {"y", finding.m_ptDots.y}};
        else
            entry["element"] = nullptr;
        entry["message"] = tools::JsonText(finding.m_strMessage);
        findings.push_back(std::move(entry));
    }
    tools::Json json;
    json["errors"] = result.Count(ESeverity::Error);
    json["warnings"] = result.Count(ESeverity::Warning);
    json["findings"] = std::move(findings);
    return json;
}

}  // namespace tavelo::cli
