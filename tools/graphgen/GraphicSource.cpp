#include "GraphicSource.h"

#include <algorithm>
#include <charconv>

#include "model/FileBytes.h"
#include "tools/plcgen/SourceError.h"

namespace tavelo {

namespace {

constexpr std::uintmax_t kLargestSource = 4u << 20;
constexpr std::string_view kKeyword = "graphic";
constexpr char kComment = ';';
constexpr char kDot = '#';
constexpr std::string_view kRowCharacters = "#.";

}  // namespace

std::map<int, WideGlyph> CGraphicSource::Parse(std::string_view text, const std::string& fileName) {
    CGraphicSource source(fileName);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++source.m_nLine;
        source.ReadLine(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    source.CloseDrawing();
    return std::move(source.m_drawings);
}

std::map<int, WideGlyph> CGraphicSource::Load(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, kLargestSource);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 file.string());
}

std::vector<std::uint8_t> CGraphicSource::Compile(const std::map<int, WideGlyph>& drawings) {
    std::vector<std::uint8_t> file(kGraphicCount * kWideGlyphBytes);
    for (const auto& [number, rows] : drawings) {
        const WideGlyph glyph = WideRowsToColumns(rows);
        std::copy(glyph.begin(), glyph.end(), file.begin() + number * kWideGlyphBytes);
    }
    return file;
}

void CGraphicSource::ReadLine(std::string_view line) {
    if (line.empty() || line.front() == kComment) {
        CloseDrawing();
    } else if (line.starts_with(kKeyword)) {
        CloseDrawing();
        StartDrawing(line.substr(kKeyword.size()));
    } else {
        ReadRow(line);
    }
}

void CGraphicSource::StartDrawing(std::string_view line) {
    const std::size_t start = line.find_first_not_of(' ');
    int number = -1;
    const char* first = line.data() + std::min(start, line.size());
    const auto [end, error] = std::from_chars(first, line.data() + line.size(), number);
    if (start == 0 || start == std::string_view::npos || error != std::errc() ||
        (end != line.data() + line.size() && *end != ' '))
        throw CSourceError(m_strFileName, m_nLine, "expected 'graphic NUMBER description'");
    if (number < 0 || number >= kGraphicCount)
        throw CSourceError(m_strFileName, m_nLine,
                           "graphic numbers run from 0 to " + std::to_string(kGraphicCount - 1));
    if (m_drawings.contains(number))
        throw CSourceError(m_strFileName, m_nLine,
                           "graphic " + std::to_string(number) + " is drawn twice");
    m_nNumber = number;
    m_nRows = 0;
    m_drawings[number] = {};
}

void CGraphicSource::ReadRow(std::string_view line) {
    if (m_nNumber < 0)
        throw CSourceError(m_strFileName, m_nLine, "a drawing row outside any graphic");
    if (m_nRows == kGlyphRows)
        throw CSourceError(m_strFileName, m_nLine,
                           "graphic " + std::to_string(m_nNumber) + " has more than 16 rows");
    if (line.size() != kWideGlyphColumns ||
        line.find_first_not_of(kRowCharacters) != std::string_view::npos)
        throw CSourceError(m_strFileName, m_nLine,
                           "a drawing row is 16 characters of '#' (dot) and '.' (no dot)");
    WideGlyph& rows = m_drawings[m_nNumber];
    for (int x = 0; x < kWideGlyphColumns; ++x)
        if (line[x] == kDot)
            rows[2 * m_nRows + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    ++m_nRows;
}

void CGraphicSource::CloseDrawing() {
    if (m_nNumber >= 0 && m_nRows != kGlyphRows)
        throw CSourceError(m_strFileName, m_nLine,
                           "graphic " + std::to_string(m_nNumber) + " has " +
                               std::to_string(m_nRows) + " rows, not 16");
    m_nNumber = -1;
}

}  // namespace tavelo
