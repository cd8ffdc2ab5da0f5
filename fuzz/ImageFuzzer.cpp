// Feeds arbitrary bytes to the download image reader with the glyph set of the delivered font
// and graphics files, so texts are decoded and glyphs recognised as the tools show them: any
// input must be decoded or refused with its violations, never crash, leak or read outside it.

#include <cstddef>
#include <cstdint>

#include "compiler/GlyphCatalogue.h"
#include "compiler/ImageReader.h"
#include "plc/ProgramDirectory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tavelo::CGlyphCatalogue glyphs =
        tavelo::CGlyphCatalogue::Load(tavelo::GetProgramDirectory());
    tavelo::CImageReader::Read({data, size}, &glyphs);
    return 0;
}
