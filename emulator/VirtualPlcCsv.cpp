#include "VirtualPlcCsv.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "ValueEntry.h"
#include "ValuesError.h"

namespace tavelo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSpaces = " \t\r";
// A message quotes no more of a field than a reader needs to find it.
constexpr std::size_t kQuotedChars = 32;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::string Header() {
    std::string header;
    for (const char* name : CValueEntry::kFieldNames) header += std::string(name) + ",";
    header.pop_back();
    return header;
}

bool IsHeader(std::string_view line) {
    std::string lower(Trimmed(line));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::erase_if(lower, [](char c) { return c == ' ' || c == '\t'; });
    return lower == Header();
}

std::int64_t Number(std::string_view field, const char* name) {
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    const std::string quoted =
        std::string(name) + " \"" + std::string(field.substr(0, kQuotedChars)) + "\"";
    if (error == std::errc::result_out_of_range)
        throw CValuesError(quoted + " does not fit 64 bits");
    if (error != std::errc() || end != field.data() + field.size())
        throw CValuesError(quoted + " is not a whole number");
    return number;
}

CValueEntry EntryOf(std::string_view line) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != CValueEntry::kFieldCount)
        throw CValuesError(std::to_string(fields.size()) + " fields where " + Header() +
                           " are expected");
    CValueEntry entry;
    for (std::size_t field = 0; field < fields.size(); ++field)
        entry.m_fields[field] = Number(fields[field], CValueEntry::kFieldNames[field]);
    return entry;
}

}  // namespace

CVirtualPlc CVirtualPlcCsv::Parse(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    CVirtualPlc plc;
    bool headerSeen = false;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start <= text.size(); ++lineNumber) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (Trimmed(line).empty()) continue;
        try {
            if (!headerSeen && !IsHeader(line))
                throw CValuesError("the header line " + Header() + " is missing");
            if (headerSeen) EntryOf(line).AddTo(plc);
            headerSeen = true;
        } catch (const CValuesError& error) {
            throw CValuesError("line " + std::to_string(lineNumber + 1) + ": " + error.what());
        }
    }
    if (!headerSeen) throw CValuesError("the header line " + Header() + " is missing");
    return plc;
}

std::string CVirtualPlcCsv::Format(const CVirtualPlc& plc) {
    std::string text = Header() + "\n";
    for (const auto& [address, value] : plc.GetValues()) {
        std::string line;
        for (const std::int64_t field : CValueEntry::FieldsOf(address, value))
            line += std::to_string(field) + ",";
        line.back() = '\n';
        text += line;
    }
    return text;
}

}  // namespace tavelo
