// Writes ASCII.DAT and hanzi.DAT from the input, short, whole, long or of odd length, and
// draws the glyphs of characters the input picks from them, then loads them as the image
// reader's glyph set: a whole font must give every glyph, a short one a clear error.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ScratchDirectory.h"
#include "compiler/GlyphCatalogue.h"
#include "render/FontLibrary.h"
#include "render/GlyphError.h"

namespace {

enum class ESize { kShort, kWhole, kLong, kOdd, kMaxValue = kOdd };

std::size_t FileSize(FuzzedDataProvider& input, std::size_t table) {
    switch (input.ConsumeEnum<ESize>()) {
        case ESize::kShort:
            return input.ConsumeIntegralInRange<std::size_t>(0, table - 1);
        case ESize::kWhole:
            return table;
        case ESize::kLong:
            return table + input.ConsumeIntegralInRange<std::size_t>(1, 1u << 16);
        case ESize::kOdd:
            break;
    }
    return table + 2 * input.ConsumeIntegralInRange<std::size_t>(0, 15) + 1;
}

template <std::size_t glyphBytes>
void WriteGlyphs(const tavelo::CFontLibrary& fonts, std::size_t count, bool whole, bool wide) {
    std::vector<std::uint8_t> area(count * glyphBytes);
    try {
        if (wide)
            fonts.WriteWideGlyphs(area, area.size());
        else
            fonts.WriteNarrowGlyphs(area, area.size());
    } catch (const tavelo::CGlyphError& error) {
        if (whole || error.GetMessage().empty()) std::abort();
        return;
    }
    if (!whole) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tavelo::fuzz::CScratchDirectory scratch;
    FuzzedDataProvider input(data, size);
    const std::size_t asciiSize = FileSize(input, tavelo::CFontLibrary::kAsciiTableBytes);
    const std::size_t hanziSize = FileSize(input, tavelo::CFontLibrary::kHanziTableBytes);
    std::u16string text;
    for (std::size_t n = input.ConsumeIntegralInRange<std::size_t>(0, 24); n > 0; --n)
        text.push_back(input.ConsumeIntegral<char16_t>());
    const std::vector<std::uint8_t> pattern = input.ConsumeRemainingBytes<std::uint8_t>();
    scratch.Write(tavelo::kAsciiFontFileName, tavelo::fuzz::Tiled(pattern, asciiSize));
    scratch.Write(tavelo::kHanziFontFileName, tavelo::fuzz::Tiled(pattern, hanziSize));

    tavelo::CFontLibrary fonts(scratch.Path());
    fonts.AddText(text);
    WriteGlyphs<16>(fonts, fonts.GetNarrowCount(),
                    asciiSize >= tavelo::CFontLibrary::kAsciiTableBytes, false);
    WriteGlyphs<32>(fonts, fonts.GetWideCount(),
                    hanziSize >= tavelo::CFontLibrary::kHanziTableBytes, true);

    // Taking a whole hanzi.DAT into the glyph set is slow under the sanitizers, so only now and
    // then: its offsets are fixed, what varies is the bytes.
    if (hanziSize >= tavelo::CFontLibrary::kHanziTableBytes && (pattern.empty() || pattern[0] > 8))
        return 0;
    const auto catalogue = tavelo::CGlyphCatalogue::Load(scratch.Path());
    const std::vector<std::uint8_t> glyphs = tavelo::fuzz::Tiled(pattern, 32 * 8);
    catalogue.RecogniseNarrow(glyphs, 0, glyphs.size() / 16);
    catalogue.RecogniseWide(glyphs, 0, glyphs.size() / 32);
    return 0;
}
