#pragma once
// The glyphs of one text as the download image would carry them if it were the project's only
// text: for the command line's glyph listing and for checking the delivered fonts.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

struct CGlyphRecord {
    char16_t m_chCharacter;
    std::vector<std::uint8_t> m_code;   // 1 byte (dot-matrix, below 128) or 2, high byte first
    std::vector<std::uint8_t> m_glyph;  // 16 or 32 bytes in the image's column layout
    bool m_bMissing;                    // the all-0xFF glyph: the panel fonts lack it
};

struct CGlyphListing {
    std::vector<CGlyphRecord> m_records;  // one per character of the text, in order
    std::string m_strError;               // UTF-8, empty when the listing is complete
};

// Without a face: the dot-matrix glyphs from the font files in dataDirectory. With a face:
// the vector glyphs of that face at that size, rasterised with FreeType.
CGlyphListing ListGlyphs(std::u16string_view text, const std::optional<std::u16string>& faceName,
                         std::int32_t size, const std::filesystem::path& dataDirectory);

}  // namespace tavelo
