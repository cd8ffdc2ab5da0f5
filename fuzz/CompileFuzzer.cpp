// Opens the input as a project as the editor's Open does (read, then every element through its
// property panel), compiles it with the delivered font and graphics files and reads the image
// back with their glyph set: whatever the compiler hands out must pass every check of the image
// reader, at the length the compiler laid out.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "compiler/GlyphCatalogue.h"
#include "compiler/ImageCompiler.h"
#include "compiler/ImageReader.h"
#include "compiler/ReapplyPanels.h"
#include "elements/ElementClasses.h"
#include "model/AppState.h"
#include "model/ArchiveError.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"
#include "plc/ProgramDirectory.h"
#include "render/GlyphRasteriser.h"

namespace {

// Vector texts without FreeType: cells and ink that vary with the character and the size, so
// the glyph placement meets narrow, wide, tall and empty glyphs, the same on every machine.
class CPatternRasteriser : public tavelo::CGlyphRasteriser {
public:
    tavelo::CGlyphCoverage Render(char16_t character, const std::u16string&,
                                  std::int32_t size) override {
        const int height = static_cast<int>(size % 40 < 0 ? -(size % 40) : size % 40);
        tavelo::CGlyphCoverage glyph;
        glyph.m_nAdvance = character % 19;
        glyph.m_nAscent = height - height / 4;
        glyph.m_nLineHeight = height;
        glyph.m_nLeft = character % 5 - 2;
        glyph.m_nTop = glyph.m_nAscent - character % 3;
        glyph.m_nWidth = character % 23;
        glyph.m_nHeight = height;
        glyph.m_levels.resize(static_cast<std::size_t>(glyph.m_nWidth * glyph.m_nHeight));
        for (std::size_t i = 0; i < glyph.m_levels.size(); ++i)
            glyph.m_levels[i] = static_cast<std::uint8_t>((i * character) & 0xFF);
        return glyph;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path dataDirectory = tavelo::GetProgramDirectory();
    static const tavelo::CGlyphCatalogue glyphs = tavelo::CGlyphCatalogue::Load(dataDirectory);
    tavelo::CClassRegistry registry;
    tavelo::RegisterModelClasses(registry);
    tavelo::RegisterElementClasses(registry);
    for (const char* name : {"f.ZORX", "f.ZOR"}) {
        tavelo::CTaveloDoc doc;
        tavelo::CAppState state;
        try {
            tavelo::CProjectFile::Read({data, size}, name, registry, doc, state);
        } catch (const tavelo::CArchiveError&) {
            continue;
        }
        tavelo::ReapplyPanels(doc, state);
        CPatternRasteriser rasteriser;
        const tavelo::CCompileOutcome outcome =
            tavelo::CompileDownloadImage(doc, state, dataDirectory, rasteriser);
        if (!outcome.Succeeded()) {
            if (outcome.m_strReason.empty()) std::abort();
            continue;
        }
        const tavelo::CDownloadImage& image = *outcome.m_image;
        const tavelo::CImageContents contents = tavelo::CImageReader::Read(image.m_bytes, &glyphs);
        if (contents.IsConsistent() && contents.m_nLength == image.GetLength()) continue;
        std::fprintf(stderr, "compiled image refused: %s\n",
                     contents.m_violations.empty() ? contents.m_strError.c_str()
                                                   : contents.m_violations[0].m_strText.c_str());
        std::abort();
    }
    return 0;
}
