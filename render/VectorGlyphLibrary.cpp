#include "VectorGlyphLibrary.h"

#include <algorithm>
#include <cstdlib>

#include "FontLibrary.h"
#include "GlyphError.h"
#include "GlyphLayout.h"
#include "GlyphPlacement.h"
#include "GlyphRasteriser.h"

namespace tavelo {

void CVectorGlyphLibrary::AddText(std::u16string_view text, const std::u16string& faceName,
                                  std::int32_t size) {
    for (char16_t character : text) {
        CVectorGlyphKey key{character, size, faceName};
        if (std::find(m_keys.begin(), m_keys.end(), key) == m_keys.end())
            m_keys.push_back(std::move(key));
    }
}

std::int32_t CVectorGlyphLibrary::GetCode(char16_t character, const std::u16string& faceName,
                                          std::int32_t size, std::size_t wideCount) const {
    const auto found =
        std::find(m_keys.begin(), m_keys.end(), CVectorGlyphKey{character, size, faceName});
    if (found == m_keys.end()) return kNotAdded;
    const auto position = static_cast<std::int32_t>(wideCount + (found - m_keys.begin()));
    return (GetTypeNibble(character, size) << 12) | position;
}

std::vector<std::int32_t> CVectorGlyphLibrary::EncodeText(std::u16string_view text,
                                                          const std::u16string& faceName,
                                                          std::int32_t size,
                                                          std::size_t wideCount) const {
    std::vector<std::int32_t> codes;
    codes.reserve(text.size());
    for (char16_t character : text) codes.push_back(GetCode(character, faceName, size, wideCount));
    return codes;
}

std::uint8_t CVectorGlyphLibrary::GetTypeNibble(char16_t character, std::int32_t size) {
    const bool narrow = character < CFontLibrary::kFirstWideCharacter;
    switch (std::llabs(static_cast<std::int64_t>(size))) {
        case 12:
            return narrow ? 0xB : 0xE;
        case 14:
            return narrow ? 0xA : 0xD;
        case 16:
            return narrow ? 0x9 : 0xC;
        default:
            return 0xF;
    }
}

void CVectorGlyphLibrary::WriteGlyphs(CGlyphRasteriser& rasteriser,
                                      std::span<std::uint8_t> destination,
                                      std::size_t expectedSize) const {
    RequireGlyphArea(m_keys.size() * kWideGlyphBytes, expectedSize, destination.size());
    auto out = destination.begin();
    for (const CVectorGlyphKey& key : m_keys) {
        const CGlyphCoverage coverage =
            rasteriser.Render(key.m_chCharacter, key.m_strFaceName, key.m_nSize);
        const WideGlyph glyph = WideRowsToColumns(PlaceGlyph(coverage, key.m_nSize));
        out = std::copy(glyph.begin(), glyph.end(), out);
    }
}

}  // namespace tavelo
