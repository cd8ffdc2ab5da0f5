#include "DrawingSource.h"

#include <algorithm>
#include <charconv>

#include "SourceError.h"
#include "model/FileBytes.h"

namespace tavelo {

namespace {

constexpr std::uintmax_t kLargestSource = 4u << 20;

}  // namespace

std::vector<CSourceDrawing> CDrawingSource::Parse(std::string_view text,
                                                  const std::string& fileName,
                                                  const CDrawingSyntax& syntax) {
    CDrawingSource source(fileName, syntax);
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

std::vector<CSourceDrawing> CDrawingSource::Load(const std::filesystem::path& file,
                                                 const CDrawingSyntax& syntax) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, kLargestSource);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 file.string(), syntax);
}

void CDrawingSource::ReadLine(std::string_view line) {
    if (line.empty()) {
        CloseDrawing();
    } else if (line.starts_with(m_syntax.m_strComment)) {
        return;
    } else if (line.starts_with(m_syntax.m_strKeyword) &&
               line.substr(m_syntax.m_strKeyword.size()).starts_with(' ')) {
        CloseDrawing();
        StartDrawing(line.substr(m_syntax.m_strKeyword.size() + 1));
    } else if (m_bInDrawing) {
        AddRow(line);
    } else {
        Fail("expected \"" + std::string(m_syntax.m_strKeyword) +
             " NUMBER description\", a comment or a blank line");
    }
}

void CDrawingSource::StartDrawing(std::string_view header) {
    CSourceDrawing drawing;
    const auto [end, error] =
        std::from_chars(header.data(), header.data() + header.size(), drawing.m_nNumber);
    header.remove_prefix(static_cast<std::size_t>(end - header.data()));
    if (error != std::errc() || (!header.empty() && header.front() != ' '))
        Fail(std::string(m_syntax.m_strKeyword) + " number missing or invalid");
    if (drawing.m_nNumber < 0 || drawing.m_nNumber > m_syntax.m_nLargestNumber)
        Fail(std::string(m_syntax.m_strKeyword) + " numbers run from 0 to " +
             std::to_string(m_syntax.m_nLargestNumber));
    if (!m_numbers.insert(drawing.m_nNumber).second)
        Fail(std::string(m_syntax.m_strKeyword) + " " + std::to_string(drawing.m_nNumber) +
             " is drawn twice");
    drawing.m_strDescription = std::string(header.substr(std::min<std::size_t>(1, header.size())));
    drawing.m_nWidth = m_syntax.m_nFixedWidth;
    m_drawings.push_back(std::move(drawing));
    m_bInDrawing = true;
}

void CDrawingSource::AddRow(std::string_view row) {
    CSourceDrawing& drawing = m_drawings.back();
    if (row.find_first_not_of("#.") != std::string_view::npos)
        Fail("a drawing row holds only '#' (a dot) and '.' (none)");
    if (drawing.m_nWidth == 0) {
        if (row.size() > kLargestSide) Fail("drawing wider than the largest side");
        drawing.m_nWidth = static_cast<std::int32_t>(row.size());
    } else if (row.size() != static_cast<std::size_t>(drawing.m_nWidth)) {
        Fail("row of " + std::to_string(row.size()) + " dots in a drawing " +
             std::to_string(drawing.m_nWidth) + " wide");
    }
    const std::size_t rowLimit =
        m_syntax.m_nFixedHeight ? static_cast<std::size_t>(m_syntax.m_nFixedHeight) : kLargestSide;
    if (drawing.m_rows.size() == rowLimit)
        Fail("drawing higher than " + std::to_string(rowLimit) + " rows");
    drawing.m_rows.emplace_back(row);
}

void CDrawingSource::CloseDrawing() {
    if (!m_bInDrawing) return;
    m_bInDrawing = false;
    const std::size_t rows = m_drawings.back().m_rows.size();
    if (rows == 0) Fail("drawing without rows");
    if (m_syntax.m_nFixedHeight && rows != static_cast<std::size_t>(m_syntax.m_nFixedHeight))
        Fail("drawing of " + std::to_string(rows) + " rows, not " +
             std::to_string(m_syntax.m_nFixedHeight));
}

void CDrawingSource::Fail(const std::string& message) const {
    throw CSourceError(m_strFileName, m_nLine, message);
}

}  // namespace tavelo
