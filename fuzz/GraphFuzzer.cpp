// Writes GRAPH.DAT from the input, short, whole, long or of odd length, and copies the
// graphics of key codes the input picks (digits, leading digits, huge numbers) as the compiler
// does, then recognises them as the image reader does: a write succeeds exactly when the file
// holds every record, and each copied graphic is recognised as a record of the same drawing.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ScratchDirectory.h"
#include "compiler/CompileError.h"
#include "compiler/GlyphCatalogue.h"
#include "compiler/GraphicsLibrary.h"

namespace {

constexpr std::size_t kGraphic = tavelo::CGraphicsLibrary::kGraphicBytes;

std::u16string KeyCode(FuzzedDataProvider& input) {
    std::u16string name;
    for (const char c : input.ConsumeRandomLengthString(12))
        name.push_back(static_cast<unsigned char>(c));
    if (input.ConsumeBool()) name = std::u16string(u"6") + name;
    return name;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tavelo::fuzz::CScratchDirectory scratch;
    FuzzedDataProvider input(data, size);
    // Records 0 to 127 and some bytes either way, so the fixed graphics 65 to 71 are there or not.
    const std::size_t fileSize =
        input.ConsumeIntegralInRange<std::size_t>(60 * kGraphic, 128 * kGraphic + 40);
    tavelo::CGraphicsLibrary graphics(scratch.Path());
    std::vector<std::u16string> names(tavelo::CGraphicsLibrary::kFixedGraphics.begin(),
                                      tavelo::CGraphicsLibrary::kFixedGraphics.end());
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 8); n > 0; --n) {
        names.push_back(KeyCode(input));
        graphics.Add(names.back());
    }
    const std::vector<std::uint8_t> file =
        tavelo::fuzz::Tiled(input.ConsumeRemainingBytes<std::uint8_t>(), fileSize);
    scratch.Write(tavelo::kGraphicsFileName, file);

    std::vector<std::uint8_t> area(graphics.GetCount() * kGraphic);
    try {
        graphics.Write(area, area.size());
    } catch (const tavelo::CCompileError& error) {
        Require(!error.GetMessage().empty() &&
                std::any_of(names.begin(), names.end(), [&](const std::u16string& name) {
                    const auto record = tavelo::CGraphicsLibrary::RecordNumber(name);
                    return static_cast<std::size_t>(record + 1) * kGraphic > file.size();
                }));
        return 0;
    }
    const auto catalogue = tavelo::CGlyphCatalogue::Load(scratch.Path());
    for (const tavelo::CImageGlyph& glyph : catalogue.RecogniseWide(area, 0, graphics.GetCount())) {
        Require(glyph.m_eKind == tavelo::CImageGlyph::EKind::Graphic);
        const std::size_t record = static_cast<std::size_t>(glyph.m_nGraphic);
        Require((record + 1) * kGraphic <= file.size() &&
                std::equal(area.begin() + static_cast<long>(glyph.m_nOffset),
                           area.begin() + static_cast<long>(glyph.m_nOffset + kGraphic),
                           file.begin() + static_cast<long>(record * kGraphic)));
    }
    return 0;
}
