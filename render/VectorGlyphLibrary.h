#pragma once
// The vector glyph rasteriser's collection: every distinct (character, size, face) of the
// project's vector texts, its code in the download image and its 16 x 16 glyph, rasterised
// from a TrueType face. The glyphs follow the dot-matrix wide glyphs in the image.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

class CGlyphRasteriser;

struct CVectorGlyphKey {
    char16_t m_chCharacter;
    std::int32_t m_nSize;  // font height in dots: 12, 14 or 16 as the panel offers them
    std::u16string m_strFaceName;

    bool operator==(const CVectorGlyphKey&) const = default;
};

class CVectorGlyphLibrary {
public:
    static constexpr std::int32_t kNotAdded = -1;

    void Reset() { m_keys.clear(); }
    // One key per character; keys already present keep their place.
    void AddText(std::u16string_view text, const std::u16string& faceName, std::int32_t size);
    std::size_t GetCount() const { return m_keys.size(); }
    const std::vector<CVectorGlyphKey>& GetKeys() const { return m_keys; }

    // (wideCount + position) with the type nibble in bits 12..15; wideCount is the number of
    // wide characters of the dot-matrix font library. kNotAdded for a key never added.
    std::int32_t GetCode(char16_t character, const std::u16string& faceName, std::int32_t size,
                         std::size_t wideCount) const;
    std::vector<std::int32_t> EncodeText(std::u16string_view text, const std::u16string& faceName,
                                         std::int32_t size, std::size_t wideCount) const;
    // 0x9/0xA/0xB for characters below 128 at sizes 16/14/12, 0xC/0xD/0xE for the others,
    // 0xF at any other size; the sign of the size does not count.
    static std::uint8_t GetTypeNibble(char16_t character, std::int32_t size);

    // Rasterises every key in list order, 32 bytes each. Throws CGlyphError when a face
    // cannot be used or the glyphs would not fill exactly expectedSize bytes.
    void WriteGlyphs(CGlyphRasteriser& rasteriser, std::span<std::uint8_t> destination,
                     std::size_t expectedSize) const;

private:
    std::vector<CVectorGlyphKey> m_keys;  // in order of first addition
};

}  // namespace tavelo
