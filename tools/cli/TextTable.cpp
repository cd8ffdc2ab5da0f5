#include "TextTable.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "model/TextCodec.h"

namespace tavelo::cli {

namespace {

constexpr std::size_t kColumnGap = 2;

// East Asian wide and full-width ranges, with the emoji blocks and the ideograph planes.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

CTextTable::CTextTable(std::vector<std::u16string> header, std::vector<Align> alignment)
    : m_alignment(std::move(alignment)) {
    if (header.size() != m_alignment.size())
        throw std::logic_error("table header and alignment differ in length");
    m_rows.push_back(std::move(header));
}

void CTextTable::AddRow(std::vector<std::u16string> cells) {
    if (cells.size() != m_alignment.size())
        throw std::logic_error("table row has the wrong number of cells");
    m_rows.push_back(std::move(cells));
}

void CTextTable::Write(std::ostream& out, const std::string& indent) const {
    std::vector<std::size_t> widths(m_alignment.size(), 0);
    for (const auto& row : m_rows)
        for (std::size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], DisplayWidth(row[column]));
    for (const auto& row : m_rows) {
        std::string line = indent;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const std::string padding(widths[column] - DisplayWidth(row[column]), ' ');
            if (column > 0) line += std::string(kColumnGap, ' ');
            const std::string cell = ToUtf8(row[column]);
            line += m_alignment[column] == Align::kRight ? padding + cell : cell + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

std::size_t CTextTable::DisplayWidth(std::u16string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

}  // namespace tavelo::cli
