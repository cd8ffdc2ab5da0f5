#include "GraphicSource.h"

#include <algorithm>

#include "tools/common/DrawingSource.h"

namespace tavelo {

namespace {

constexpr CDrawingSyntax kGraphicSyntax = {"graphic", ";", CGraphicSource::kGraphicCount - 1,
                                           kWideGlyphColumns, kGlyphRows};

std::map<int, WideGlyph> ToRowBytes(const std::vector<CSourceDrawing>& drawings) {
    std::map<int, WideGlyph> glyphs;
    for (const CSourceDrawing& drawing : drawings) {
        WideGlyph& rows = glyphs[drawing.m_nNumber];
        for (std::size_t y = 0; y < drawing.m_rows.size(); ++y)
            for (std::size_t x = 0; x < drawing.m_rows[y].size(); ++x)
                if (drawing.m_rows[y][x] == '#')
                    rows[2 * y + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return glyphs;
}

}  // namespace

std::map<int, WideGlyph> CGraphicSource::Parse(std::string_view text, const std::string& fileName) {
    return ToRowBytes(CDrawingSource::Parse(text, fileName, kGraphicSyntax));
}

std::map<int, WideGlyph> CGraphicSource::Load(const std::filesystem::path& file) {
    return ToRowBytes(CDrawingSource::Load(file, kGraphicSyntax));
}

std::vector<std::uint8_t> CGraphicSource::Compile(const std::map<int, WideGlyph>& drawings) {
    std::vector<std::uint8_t> file(kGraphicCount * kWideGlyphBytes);
    for (const auto& [number, rows] : drawings) {
        const WideGlyph glyph = WideRowsToColumns(rows);
        std::copy(glyph.begin(), glyph.end(), file.begin() + number * kWideGlyphBytes);
    }
    return file;
}

}  // namespace tavelo
