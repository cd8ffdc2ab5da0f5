#include "GlyphCatalogue.h"

#include <algorithm>

#include "GraphicsLibrary.h"
#include "model/FileBytes.h"
#include "render/FontLibrary.h"
#include "render/Gb2312Codec.h"
#include "render/GlyphLayout.h"

namespace tavelo {

namespace {

// The delivered files are far smaller; anything larger is not one of them.
constexpr std::uintmax_t kLargestDataFile = 1u << 20;

std::vector<std::uint8_t> ReadOrNothing(const std::filesystem::path& file) {
    try {
        return ReadFileBytes(file, kLargestDataFile);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

std::string CGlyphCatalogue::Key(std::span<const std::uint8_t> glyph) {
    return std::string(glyph.begin(), glyph.end());
}

CGlyphCatalogue CGlyphCatalogue::Load(const std::filesystem::path& dataDirectory) {
    CGlyphCatalogue catalogue;
    const auto ascii = ReadOrNothing(dataDirectory / kAsciiFontFileName);
    if (ascii.size() >= CFontLibrary::kAsciiTableBytes) {
        for (char16_t code = 0; code < CFontLibrary::kFirstWideCharacter; ++code) {
            const auto rows =
                std::span(ascii).subspan(code * kNarrowGlyphBytes).first<kNarrowGlyphBytes>();
            catalogue.m_narrow[Key(NarrowRowsToColumns(rows))].push_back(code);
        }
    }
    const auto hanzi = ReadOrNothing(dataDirectory / kHanziFontFileName);
    if (hanzi.size() >= CFontLibrary::kHanziTableBytes) {
        CGb2312Codec codec;
        for (int position = 0; position < CGb2312Codec::kRowCount * CGb2312Codec::kRowCount;
             ++position) {
            const auto lead = static_cast<std::uint8_t>(CGb2312Codec::kFirstByte +
                                                        position / CGb2312Codec::kRowCount);
            const auto trail = static_cast<std::uint8_t>(CGb2312Codec::kFirstByte +
                                                         position % CGb2312Codec::kRowCount);
            const auto character = codec.Decode({lead, trail});
            if (!character) continue;
            const auto rows =
                std::span(hanzi).subspan(position * kWideGlyphBytes).first<kWideGlyphBytes>();
            catalogue.m_wide[Key(WideRowsToColumns(rows))].push_back(*character);
        }
        for (auto& [glyph, characters] : catalogue.m_wide)
            std::sort(characters.begin(), characters.end());
    }
    const auto graphics = ReadOrNothing(dataDirectory / kGraphicsFileName);
    for (std::size_t record = graphics.size() / kWideGlyphBytes; record-- > 0;)
        catalogue.m_graphics[Key(std::span(graphics).subspan(
            record * kWideGlyphBytes, kWideGlyphBytes))] = static_cast<std::int64_t>(record);
    for (const char16_t* name : CGraphicsLibrary::kFixedGraphics) {
        const auto record = static_cast<std::size_t>(CGraphicsLibrary::RecordNumber(name));
        if ((record + 1) * kWideGlyphBytes <= graphics.size())
            catalogue.m_fixedGraphics.push_back(
                Key(std::span(graphics).subspan(record * kWideGlyphBytes, kWideGlyphBytes)));
    }
    return catalogue;
}

void CGlyphCatalogue::Recognise(const Glyphs& glyphs, std::span<const std::uint8_t> glyph,
                                std::int32_t& previous, CImageGlyph& out) {
    const auto found = glyphs.find(Key(glyph));
    if (found == glyphs.end() || IsMissingGlyph(glyph)) return;
    const auto& characters = found->second;
    const auto above = std::find_if(characters.begin(), characters.end(),
                                    [previous](char16_t c) { return c > previous; });
    // Out of order means a damaged image; the first character of the glyph is the best guess.
    const char16_t chosen = above != characters.end() ? *above : characters.front();
    out.m_eKind = CImageGlyph::EKind::Character;
    out.m_chCharacter = chosen;
    previous = std::max<std::int32_t>(previous, chosen);
}

std::vector<CImageGlyph> CGlyphCatalogue::RecogniseNarrow(std::span<const std::uint8_t> area,
                                                          std::size_t areaOffset,
                                                          std::size_t count) const {
    std::vector<CImageGlyph> glyphs(count);
    std::int32_t previous = -1;
    for (std::size_t i = 0; i < count; ++i) {
        glyphs[i].m_nOffset = areaOffset + i * kNarrowGlyphBytes;
        Recognise(m_narrow, area.subspan(i * kNarrowGlyphBytes, kNarrowGlyphBytes), previous,
                  glyphs[i]);
    }
    return glyphs;
}

std::size_t CGlyphCatalogue::FindGraphics(std::span<const std::uint8_t> area,
                                          std::size_t count) const {
    if (m_fixedGraphics.size() != CGraphicsLibrary::kFixedGraphics.size()) return count;
    for (std::size_t start = 0; start + m_fixedGraphics.size() <= count; ++start) {
        bool matches = true;
        for (std::size_t i = 0; i < m_fixedGraphics.size() && matches; ++i)
            matches = Key(area.subspan((start + i) * kWideGlyphBytes, kWideGlyphBytes)) ==
                      m_fixedGraphics[i];
        if (matches) return start;
    }
    return count;
}

std::vector<CImageGlyph> CGlyphCatalogue::RecogniseWide(std::span<const std::uint8_t> area,
                                                        std::size_t areaOffset,
                                                        std::size_t count) const {
    std::vector<CImageGlyph> glyphs(count);
    const std::size_t graphics = FindGraphics(area, count);
    std::int32_t previous = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const auto glyph = area.subspan(i * kWideGlyphBytes, kWideGlyphBytes);
        glyphs[i].m_nOffset = areaOffset + i * kWideGlyphBytes;
        if (i < graphics) {
            Recognise(m_wide, glyph, previous, glyphs[i]);
        } else if (const auto found = m_graphics.find(Key(glyph)); found != m_graphics.end()) {
            glyphs[i].m_eKind = CImageGlyph::EKind::Graphic;
            glyphs[i].m_nGraphic = found->second;
        }
    }
    return glyphs;
}

}  // namespace tavelo
