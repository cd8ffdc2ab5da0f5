#pragma once
// A plain-text table for the terminal: columns are aligned by display width, where a wide
// (CJK or full-width) character takes two columns.

#include <iosfwd>
#include <string>
#include <vector>

namespace tavelo::cli {

class CTextTable {
public:
    enum class Align { kLeft, kRight };

    // The header row fixes the number of columns; every added row must match it.
    CTextTable(std::vector<std::u16string> header, std::vector<Align> alignment);
    void AddRow(std::vector<std::u16string> cells);

    // One line per row in UTF-8, each starting with the indent, columns two blanks apart,
    // no trailing blanks.
    void Write(std::ostream& out, const std::string& indent) const;

    // Columns the text takes on a terminal.
    static std::size_t DisplayWidth(std::u16string_view text);

private:
    std::vector<std::vector<std::u16string>> m_rows;
    std::vector<Align> m_alignment;
};

}  // namespace tavelo::cli
