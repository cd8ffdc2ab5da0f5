#include "ProjectImage.h"

#include "compiler/ImageCompiler.h"
#include "compiler/ReapplyPanels.h"
#include "model/TextCodec.h"
#include "plc/ProgramDirectory.h"
#include "translation/ShownText.h"

namespace tavelo::cli {

std::optional<CDownloadImage> OpenAndCompile(CProjectContext& project, const std::string& file,
                                             std::ostream& err) {
    if (!project.Open(file, err)) return std::nullopt;
    ReapplyPanels(project.m_doc, project.m_state);
    CCompileOutcome outcome =
        CompileDownloadImage(project.m_doc, project.m_state, GetProgramDirectory());
    // Messages the panel's tool shows on the way, and the failure's own last.
    for (const std::u16string& message : outcome.m_messages)
        project.Report(err, ShownUtf8(message));
    if (!outcome.Succeeded()) {
        project.Report(err, file + ": not compiled: " + outcome.m_strReason);
        return std::nullopt;
    }
    return std::move(outcome.m_image);
}

}  // namespace tavelo::cli
