#pragma once
// Reads GNU Unifont's glyph source (unifont.hex: "CODE:HEX" per line, 32 hex digits for a
// glyph 8 dots wide, 64 for one 16 dots wide, 16 rows top first, most significant bit
// leftmost) for the generator of the dot-matrix font files.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

struct SUnifontGlyph {
    int m_nWidth;                      // 8 or 16 dots
    std::vector<std::uint8_t> m_rows;  // 16 or 32 row bytes
};

class CUnifontSource {
public:
    // Both throw CSourceError ("file:line: message") at the first malformed line; Load throws
    // CFileError when the file cannot be read. Characters beyond the 16-bit range are skipped:
    // the panel's text is 16-bit.
    static CUnifontSource Parse(std::string_view text, const std::string& fileName);
    static CUnifontSource Load(const std::filesystem::path& file);

    // Null when the source has no glyph for the character.
    const SUnifontGlyph* Find(char16_t character) const;
    const std::string& GetFileName() const { return m_strFileName; }

private:
    explicit CUnifontSource(std::string fileName) : m_strFileName(std::move(fileName)) {}
    void ReadLine(std::string_view line, int lineNumber);

    std::string m_strFileName;
    std::map<char16_t, SUnifontGlyph> m_glyphs;
};

}  // namespace tavelo
