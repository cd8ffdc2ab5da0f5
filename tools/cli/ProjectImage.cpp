#include "ProjectImage.h"

#include <ostream>

#include "FindingOutput.h"
#include "compiler/ImageCompiler.h"
#include "compiler/ReapplyPanels.h"
#include "model/TextCodec.h"
#include "plc/ProgramDirectory.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

bool OpenForCheck(CProjectContext& project, const std::string& file, std::ostream& err) {
    if (!project.Open(file, err)) return false;
    ReapplyPanels(project.m_doc, project.m_state);
    return true;
}

std::optional<CCheckResult> OpenAndCheck(CProjectContext& project, const std::string& file,
                                         std::ostream& err) {
    if (!OpenForCheck(project, file, err)) return std::nullopt;
    return CheckProject(project.m_doc, project.m_state, GetProgramDirectory());
}

namespace {

std::optional<CDownloadImage> TakeImage(CProjectContext& project, const std::string& file,
                                        CCompileOutcome& outcome, std::ostream& err) {
    // Messages the panel's tool shows on the way, and the failure's own last.
    for (const std::u16string& message : outcome.m_messages)
        project.Report(err, ShownUtf8(message));
    if (!outcome.Succeeded()) {
        project.Report(err, file + ": not compiled: " + outcome.m_strReason);
        return std::nullopt;
    }
    return std::move(outcome.m_image);
}

}  // namespace

std::optional<CDownloadImage> OpenAndCompile(CProjectContext& project, const std::string& file,
                                             std::ostream& err) {
    if (!OpenForCheck(project, file, err)) return std::nullopt;
    CCompileOutcome outcome =
        CompileDownloadImage(project.m_doc, project.m_state, GetProgramDirectory());
    return TakeImage(project, file, outcome, err);
}

std::optional<CDownloadImage> OpenCheckAndCompile(CProjectContext& project, const std::string& file,
                                                  std::ostream& err, bool strict) {
    std::optional<CCheckResult> checked = OpenAndCheck(project, file, err);
    if (!checked) return std::nullopt;
    WriteFindingLines(checked->m_findings, err);
    const std::size_t errors = checked->Count(ESeverity::Error);
    const std::size_t warnings = checked->Count(ESeverity::Warning);
    if (errors || (strict && warnings)) {
        project.Report(err, file + ": not compiled: " + std::to_string(errors) + " errors, " +
                                std::to_string(warnings) + " warnings");
        return std::nullopt;
    }
    return TakeImage(project, file, checked->m_compiled, err);
}

}  // namespace tavelo::cli
