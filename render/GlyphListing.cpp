#include "GlyphListing.h"

#include <span>

#include "FontLibrary.h"
#include "FreeTypeRasteriser.h"
#include "GlyphError.h"
#include "GlyphLayout.h"
#include "VectorGlyphLibrary.h"
#include "model/TextCodec.h"

namespace tavelo {

namespace {

std::vector<std::uint8_t> CodeBytes(std::int32_t code, bool oneByte) {
    if (oneByte) return {static_cast<std::uint8_t>(code)};
    return {static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code)};
}

CGlyphRecord MakeRecord(char16_t character, std::vector<std::uint8_t> code,
                        std::span<const std::uint8_t> glyph) {
    return {character, std::move(code), {glyph.begin(), glyph.end()}, IsMissingGlyph(glyph)};
}

std::vector<CGlyphRecord> ListDotMatrixGlyphs(std::u16string_view text,
                                              const std::filesystem::path& dataDirectory) {
    CFontLibrary fonts(dataDirectory);
    fonts.AddText(text);
    std::vector<std::uint8_t> wide(fonts.GetWideCount() * kWideGlyphBytes);
    std::vector<std::uint8_t> narrow(fonts.GetNarrowCount() * kNarrowGlyphBytes);
    fonts.WriteWideGlyphs(wide, wide.size());
    fonts.WriteNarrowGlyphs(narrow, narrow.size());
    std::vector<CGlyphRecord> records;
    for (char16_t character : text) {
        const std::int32_t code = fonts.GetCode(character);
        const bool isNarrow = character < CFontLibrary::kFirstWideCharacter;
        const std::size_t position = isNarrow ? code : code - CFontLibrary::kWideCodeBase;
        const std::span<const std::uint8_t> glyph =
            isNarrow ? std::span(narrow).subspan(position * kNarrowGlyphBytes, kNarrowGlyphBytes)
                     : std::span(wide).subspan(position * kWideGlyphBytes, kWideGlyphBytes);
        records.push_back(MakeRecord(character, CodeBytes(code, isNarrow), glyph));
    }
    return records;
}

std::vector<CGlyphRecord> ListVectorGlyphs(std::u16string_view text, const std::u16string& face,
                                           std::int32_t size) {
    CVectorGlyphLibrary glyphs;
    glyphs.AddText(text, face, size);
    std::vector<std::uint8_t> bytes(glyphs.GetCount() * kWideGlyphBytes);
    CFreeTypeRasteriser rasteriser;
    glyphs.WriteGlyphs(rasteriser, bytes, bytes.size());
    std::vector<CGlyphRecord> records;
    for (char16_t character : text) {
        // No dot-matrix text precedes these glyphs, so the code's low bits are the position.
        const std::int32_t code = glyphs.GetCode(character, face, size, 0);
        const std::size_t position = code & 0x0FFF;
        records.push_back(
            MakeRecord(character, CodeBytes(code, false),
                       std::span(bytes).subspan(position * kWideGlyphBytes, kWideGlyphBytes)));
    }
    return records;
}

}  // namespace

CGlyphListing ListGlyphs(std::u16string_view text, const std::optional<std::u16string>& faceName,
                         std::int32_t size, const std::filesystem::path& dataDirectory) {
    CGlyphListing listing;
    try {
        listing.m_records = faceName ? ListVectorGlyphs(text, *faceName, size)
                                     : ListDotMatrixGlyphs(text, dataDirectory);
    } catch (const CGlyphError& error) {
        listing.m_strError = error.GetMessage().empty()
                                 ? error.what()
                                 : ToUtf8(error.GetMessage()) + ": " + error.what();
    } catch (const std::exception& error) {
        listing.m_strError = error.what();
    }
    return listing;
}

}  // namespace tavelo
