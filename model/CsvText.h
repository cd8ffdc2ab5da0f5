#pragma once
// Comma-separated text as spreadsheets write and read it: UTF-8 with a byte order mark,
// fields quoted when they hold a comma, a quote or a line break, quotes doubled inside.

#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

using CsvRow = std::vector<std::u16string>;

// The byte order mark, then one CR LF ended line per row.
std::string FormatCsv(const std::vector<CsvRow>& rows);

// Accepts an optional byte order mark, LF or CR LF line ends, quoted fields with doubled
// quotes and line breaks, and skips blank lines. Malformed UTF-8 becomes U+FFFD; an
// unterminated quote ends at the end of the text.
std::vector<CsvRow> ParseCsv(std::string_view text);

}  // namespace tavelo
