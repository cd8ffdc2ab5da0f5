#include "DotTrueScreen.h"

#include "compiler/ImageCompiler.h"
#include "editor/EditorContext.h"
#include "emulator/ScreenRenderer.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "render/FontLibrary.h"

namespace tavelo {
namespace {

// The editor shows the screen before any PLC answered.
class CZeroValues : public IPolledValues {
public:
    std::int64_t Read(const CPollAddress&) const override { return 0; }
};

// Without ASCII.DAT registers show their field blank, as the renderer does without digits.
CBuiltInDigits LoadDigits(const std::filesystem::path& programDir) {
    try {
        return CBuiltInDigits::FromAsciiFont(
            ReadFileBytes(programDir / kAsciiFontFileName, CFontLibrary::kAsciiTableBytes));
    } catch (const CFileError&) {
        return {};
    }
}

}  // namespace

struct CDotTrueScreen::CCompiled {
    CCompiled(CPanelImage loaded, const CBuiltInDigits& digits)
        : image(std::move(loaded)), renderer(image, digits) {}
    CPanelImage image;
    CScreenRenderer renderer;
};

CDotTrueScreen::CDotTrueScreen(const CEditorContext& context)
    : m_context(context), m_digits(LoadDigits(context.m_programDir)) {}

CDotTrueScreen::~CDotTrueScreen() = default;

void CDotTrueScreen::Invalidate() {
    m_bStale = true;
}

const CLcdFrame* CDotTrueScreen::Render(std::int32_t screenNumber) {
    if (m_bStale) Compile();
    if (!m_pCompiled) return nullptr;
    if (m_renderedScreen != screenNumber) {
        m_pCompiled->renderer.Render(screenNumber, CZeroValues(), m_frame);
        m_renderedScreen = screenNumber;
    }
    return &m_frame;
}

void CDotTrueScreen::Compile() {
    m_bStale = false;
    m_renderedScreen.reset();
    m_pCompiled.reset();
    CCompileOutcome outcome =
        CompileDownloadImage(m_context.m_doc, m_context.m_state, m_context.m_programDir);
    if (!outcome.Succeeded()) {
        m_strError = outcome.m_messages.empty()
                         ? std::u16string(outcome.m_strReason.begin(), outcome.m_strReason.end())
                         : outcome.m_messages.back();
        return;
    }
    CPanelImage image = CPanelImage::Load(std::move(outcome.m_image->m_bytes));
    if (!image.IsLoaded()) {
        m_strError.assign(image.GetError().begin(), image.GetError().end());
        return;
    }
    m_strError.clear();
    m_pCompiled = std::make_unique<CCompiled>(std::move(image), m_digits);
}

}  // namespace tavelo
