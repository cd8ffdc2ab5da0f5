#include "FontLibrary.h"

#include <algorithm>

#include "FontFile.h"
#include "Gb2312Codec.h"
#include "GlyphError.h"
#include "GlyphLayout.h"

namespace tavelo {

namespace {

void Insert(std::vector<char16_t>& set, char16_t character) {
    const auto place = std::lower_bound(set.begin(), set.end(), character);
    if (place == set.end() || *place != character) set.insert(place, character);
}

std::int32_t PositionIn(const std::vector<char16_t>& set, char16_t character) {
    const auto place = std::lower_bound(set.begin(), set.end(), character);
    if (place == set.end() || *place != character) return CFontLibrary::kNotAdded;
    return static_cast<std::int32_t>(place - set.begin());
}

WideGlyph ReadWideGlyph(char16_t character, CGb2312Codec& codec, CFontFile& file) {
    const auto code = codec.Encode(character);
    if (!code) {
        WideGlyph missing;
        missing.fill(0xFF);
        return missing;
    }
    const std::size_t row = code->m_nLead - CGb2312Codec::kFirstByte;
    const std::size_t column = code->m_nTrail - CGb2312Codec::kFirstByte;
    WideGlyph rows;
    file.Read((row * CGb2312Codec::kRowCount + column) * kWideGlyphBytes, rows);
    return WideRowsToColumns(rows);
}

}  // namespace

CFontLibrary::CFontLibrary(std::filesystem::path dataDirectory)
    : m_dataDirectory(std::move(dataDirectory)) {}

void CFontLibrary::Reset() {
    m_narrow.clear();
    m_wide.clear();
}

bool CFontLibrary::AddText(std::u16string_view text) {
    Insert(m_narrow, u' ');
    for (char16_t character : text)
        Insert(character < kFirstWideCharacter ? m_narrow : m_wide, character);
    return true;
}

std::int32_t CFontLibrary::GetCode(char16_t character) const {
    if (character < kFirstWideCharacter) return PositionIn(m_narrow, character);
    const std::int32_t position = PositionIn(m_wide, character);
    return position == kNotAdded ? kNotAdded : kWideCodeBase + position;
}

std::vector<std::int32_t> CFontLibrary::EncodeText(std::u16string_view text) const {
    std::vector<std::int32_t> codes;
    codes.reserve(text.size());
    for (char16_t character : text) codes.push_back(GetCode(character));
    return codes;
}

std::size_t CFontLibrary::GetByteLength(std::u16string_view text) {
    return static_cast<std::size_t>(std::count_if(
               text.begin(), text.end(), [](char16_t c) { return c >= kFirstWideCharacter; })) +
           text.size();
}

void CFontLibrary::WriteWideGlyphs(std::span<std::uint8_t> destination,
                                   std::size_t expectedSize) const {
    RequireGlyphArea(m_wide.size() * kWideGlyphBytes, expectedSize, destination.size());
    CFontFile file(m_dataDirectory / kHanziFontFileName, kHanziTableBytes);
    CGb2312Codec codec;
    auto out = destination.begin();
    for (char16_t character : m_wide) {
        const WideGlyph glyph = ReadWideGlyph(character, codec, file);
        out = std::copy(glyph.begin(), glyph.end(), out);
    }
}

void CFontLibrary::WriteNarrowGlyphs(std::span<std::uint8_t> destination,
                                     std::size_t expectedSize) const {
    RequireGlyphArea(m_narrow.size() * kNarrowGlyphBytes, expectedSize, destination.size());
    CFontFile file(m_dataDirectory / kAsciiFontFileName, kAsciiTableBytes);
    auto out = destination.begin();
    for (char16_t character : m_narrow) {
        NarrowGlyph rows;
        file.Read(character * kNarrowGlyphBytes, rows);
        const NarrowGlyph glyph = NarrowRowsToColumns(rows);
        out = std::copy(glyph.begin(), glyph.end(), out);
    }
}

}  // namespace tavelo
