#include "ProjectCheck.h"

#include <algorithm>

#include "AddressCheck.h"
#include "CheckMessages.h"
#include "CountCheck.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "GlyphCheck.h"
#include "ImageBudget.h"
#include "PlacementCheck.h"
#include "TargetCheck.h"
#include "compiler/ImageCompiler.h"
#include "model/TextCodec.h"

namespace tavelo {

namespace {

CCompileOutcome Compile(const CTaveloDoc& doc, const CAppState& state,
                        const std::filesystem::path& dataDirectory, CGlyphRasteriser* rasteriser) {
    return rasteriser ? CompileDownloadImage(doc, state, dataDirectory, *rasteriser)
                      : CompileDownloadImage(doc, state, dataDirectory);
}

// A refusal the other checks do not explain still says why the placement went unchecked.
void NoteRefusal(const CCompileOutcome& compiled, CFindingList& findings) {
    if (compiled.Succeeded() ||
        std::any_of(findings.Get().begin(), findings.Get().end(), [](const CFinding& finding) {
            return finding.m_eSeverity == ESeverity::Error;
        }))
        return;
    const std::u16string reason =
        compiled.m_messages.empty() ? FromUtf8(compiled.m_strReason) : compiled.m_messages.back();
    findings.AddProjectWide(ESeverity::Error, finding_code::kNotCompiled,
                            CComposedMessage(check_messages::kNotCompiled).Add(reason));
}

}  // namespace

std::size_t CCheckResult::Count(ESeverity severity) const {
    return static_cast<std::size_t>(std::count_if(
        m_findings.begin(), m_findings.end(),
        [severity](const CFinding& finding) { return finding.m_eSeverity == severity; }));
}

CCheckResult CheckProject(const CTaveloDoc& doc, const CAppState& state,
                          const std::filesystem::path& dataDirectory,
                          CGlyphRasteriser* rasteriser) {
    CCheckResult result;
    CFindingList findings;
    CheckGlyphs(doc, rasteriser, findings);
    CheckTargets(doc, findings);
    CheckCounts(doc, state, findings);
    result.m_uses = CollectAddressUses(doc, state);
    CheckAddresses(result.m_uses, state, findings);
    result.m_compiled = Compile(doc, state, dataDirectory, rasteriser);
    CheckImageBudget(result.m_compiled.m_layout, findings);
    if (result.m_compiled.Succeeded())
        CheckPlacement(MeasureDrawnElements(doc, *result.m_compiled.m_image), findings);
    NoteRefusal(result.m_compiled, findings);
    result.m_findings = findings.Take();
    std::stable_sort(result.m_findings.begin(), result.m_findings.end(),
                     [](const CFinding& a, const CFinding& b) {
                         if (a.m_eSeverity != b.m_eSeverity) return a.m_eSeverity < b.m_eSeverity;
                         return a.m_nScreen < b.m_nScreen;
                     });
    return result;
}

}  // namespace tavelo
