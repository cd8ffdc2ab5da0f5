#pragma once
// The dot-matrix font library: collects the characters a project's texts use, gives each its
// code in the download image and writes their glyphs from ASCII.DAT (8 x 16 dots) and
// hanzi.DAT (16 x 16 dots, GB2312) in the program directory.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace tavelo {

inline constexpr const char* kAsciiFontFileName = "ASCII.DAT";
inline constexpr const char* kHanziFontFileName = "hanzi.DAT";

class CFontLibrary {
public:
    // Characters below this are narrow (one code byte, 8 dots wide).
    static constexpr char16_t kFirstWideCharacter = 128;
    static constexpr std::int32_t kWideCodeBase = 0xF000;
    static constexpr std::int32_t kNotAdded = -1;
    // Complete font files: 128 glyphs of 16 bytes; 94 x 94 glyphs of 32 bytes.
    static constexpr std::size_t kAsciiTableBytes = 128 * 16;
    static constexpr std::size_t kHanziTableBytes = 94 * 94 * 32;

    // The font files are read from this directory when glyphs are written.
    explicit CFontLibrary(std::filesystem::path dataDirectory);

    void Reset();
    // Adds the space first, so every project has at least one narrow glyph, then every code
    // unit of the text.
    bool AddText(std::u16string_view text);

    std::size_t GetWideCount() const { return m_wide.size(); }
    std::size_t GetNarrowCount() const { return m_narrow.size(); }

    // Narrow: the position in the narrow set; wide: 0xF000 + the position in the wide set;
    // kNotAdded for a character never added.
    std::int32_t GetCode(char16_t character) const;
    std::vector<std::int32_t> EncodeText(std::u16string_view text) const;
    // 1 byte per character below 128, 2 per other character.
    static std::size_t GetByteLength(std::u16string_view text);

    // One 32-byte glyph per wide character in set order. A character outside GB2312 gets the
    // all-0xFF glyph. Throws CGlyphError when a font file cannot be read or is damaged, or
    // when the glyphs would not fill exactly expectedSize bytes of the destination.
    void WriteWideGlyphs(std::span<std::uint8_t> destination, std::size_t expectedSize) const;
    // One 16-byte glyph per narrow character in set order; fails as above.
    void WriteNarrowGlyphs(std::span<std::uint8_t> destination, std::size_t expectedSize) const;

private:
    std::filesystem::path m_dataDirectory;
    std::vector<char16_t> m_narrow;  // ascending, no duplicates
    std::vector<char16_t> m_wide;    // ascending, no duplicates
};

}  // namespace tavelo
