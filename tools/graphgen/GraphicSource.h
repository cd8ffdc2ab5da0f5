#pragma once
// Reads the readable source of the function-key graphics (data/Graphics.txt, whose header
// describes the format) and compiles it into GRAPH.DAT: graphic n is the 32-byte record at
// n x 32, already in the download image's glyph layout.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "render/GlyphLayout.h"

namespace tavelo {

class CGraphicSource {
public:
    // Numbers are one byte: a key code of 255 (no key) still finds its record.
    static constexpr int kGraphicCount = 256;

    // Drawings by number, as row bytes. Both throw CSourceError ("file:line: message") at the
    // first fault; Load throws CFileError when the file cannot be read.
    static std::map<int, WideGlyph> Parse(std::string_view text, const std::string& fileName);
    static std::map<int, WideGlyph> Load(const std::filesystem::path& file);

    // kGraphicCount records; numbers without a drawing are blank.
    static std::vector<std::uint8_t> Compile(const std::map<int, WideGlyph>& drawings);
};

}  // namespace tavelo
