#include "CsvText.h"

#include "TextCodec.h"

namespace tavelo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string QuoteField(const std::u16string& field) {
    const std::string text = ToUtf8(field);
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Reads one field from position on; leaves position at the separator or line end after it.
std::string ReadField(std::string_view text, std::size_t& position) {
    std::string field;
    if (position < text.size() && text[position] == '"') {
        ++position;
        while (position < text.size()) {
            const char c = text[position++];
            if (c != '"') {
                field += c;
            } else if (position < text.size() && text[position] == '"') {
                field += '"';
                ++position;
            } else {
                break;
            }
        }
    }
    while (position < text.size() && text[position] != ',' && text[position] != '\n' &&
           text[position] != '\r')
        field += text[position++];
    return field;
}

}  // namespace

std::string FormatCsv(const std::vector<CsvRow>& rows) {
    std::string text(kByteOrderMark);
    for (const CsvRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "," : "") + QuoteField(row[i]);
        text += "\r\n";
    }
    return text;
}

std::vector<CsvRow> ParseCsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<CsvRow> rows;
    std::size_t position = 0;
    while (position < text.size()) {
        if (text[position] == '\r' || text[position] == '\n') {
            ++position;
            continue;
        }
        CsvRow row;
        while (true) {
            row.push_back(FromUtf8(ReadField(text, position)));
            if (position >= text.size() || text[position] != ',') break;
            ++position;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tavelo
