#include "SourceLine.h"

#include <charconv>

#include "tools/common/SourceError.h"
#include "model/TextCodec.h"

namespace tavelo {

namespace {

constexpr char kComment = '#';
constexpr char kQuote = '"';
constexpr std::string_view kRangeSeparator = "..";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Moves past blanks; false at the end of the line or at a comment.
bool SkipSpace(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    return pos < text.size() && text[pos] != kComment;
}

}  // namespace

CSourceLine::CSourceLine(std::string_view text, std::string fileName, int lineNumber)
    : m_strFileName(std::move(fileName)), m_nLine(lineNumber) {
    std::size_t pos = 0;
    for (int word = 0; SkipSpace(text, pos); ++word)
        pos = text[pos] == kQuote ? TakeName(text, pos, word) : TakeWord(text, pos, word);
}

std::size_t CSourceLine::TakeName(std::string_view text, std::size_t pos, int word) {
    const std::size_t end = text.find(kQuote, pos + 1);
    if (end == std::string_view::npos) Fail("unterminated quote");
    if (word != 1) Fail("a quoted name may only follow the keyword");
    m_strName = std::string(text.substr(pos + 1, end - pos - 1));
    return end + 1;
}

std::size_t CSourceLine::TakeWord(std::string_view text, std::size_t pos, int word) {
    std::size_t end = pos;
    while (end < text.size() && !IsSpace(text[end]) && text[end] != kComment && text[end] != kQuote)
        ++end;
    const std::string_view taken = text.substr(pos, end - pos);
    if (word == 0)
        m_strKeyword = std::string(taken);
    else
        AddField(taken);
    return end;
}

void CSourceLine::AddField(std::string_view word) {
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos || equals == 0 || equals + 1 == word.size())
        Fail("'" + std::string(word) + "' is not a key=value field");
    std::string key(word.substr(0, equals));
    if (m_fields.contains(key)) Fail("field '" + key + "' given twice");
    m_fields.emplace(std::move(key), std::string(word.substr(equals + 1)));
}

std::u16string CSourceLine::GetName() const {
    if (!m_strName) Fail("'" + m_strKeyword + "' needs a quoted name");
    if (m_strName->empty()) Fail("the name is empty");
    std::u16string name = FromUtf8(*m_strName);
    if (ToUtf8(name) != *m_strName) Fail("the name is not valid UTF-8");
    return name;
}

void CSourceLine::RequireExactly(std::initializer_list<std::string_view> keys) const {
    for (const auto& [key, value] : m_fields) {
        bool known = false;
        for (std::string_view allowed : keys) known = known || key == allowed;
        if (!known) Fail("unknown key '" + key + "' in a '" + m_strKeyword + "' line");
    }
    for (std::string_view key : keys)
        if (!m_fields.contains(key)) Fail("missing field '" + std::string(key) + "'");
}

const std::string& CSourceLine::GetField(std::string_view key) const {
    const auto found = m_fields.find(key);
    if (found == m_fields.end()) Fail("missing field '" + std::string(key) + "'");
    return found->second;
}

std::int32_t CSourceLine::ParseNumber(std::string_view key, std::string_view text) const {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    // Only plain decimal digits: no sign, no base prefix.
    const bool startsWithDigit = !text.empty() && text.front() >= '0' && text.front() <= '9';
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (!startsWithDigit || error != std::errc() || stop != end)
        Fail("bad number '" + std::string(text) + "' for '" + std::string(key) + "'");
    return value;
}

std::int32_t CSourceLine::GetNumber(std::string_view key) const {
    return ParseNumber(key, GetField(key));
}

std::pair<std::int32_t, std::int32_t> CSourceLine::GetRange(std::string_view key) const {
    const std::string& text = GetField(key);
    const std::size_t separator = text.find(kRangeSeparator);
    if (separator == std::string::npos)
        Fail("bad range '" + text + "' for '" + std::string(key) + "' (expected low..high)");
    const std::string_view view = text;
    const std::int32_t low = ParseNumber(key, view.substr(0, separator));
    const std::int32_t high = ParseNumber(key, view.substr(separator + kRangeSeparator.size()));
    if (low > high) Fail("range '" + text + "' for '" + std::string(key) + "' runs backwards");
    return {low, high};
}

std::int32_t CSourceLine::GetChoice(std::string_view key,
                                    std::initializer_list<std::string_view> choices) const {
    const std::string& word = GetField(key);
    std::int32_t position = 0;
    std::string list;
    for (std::string_view choice : choices) {
        if (word == choice) return position;
        list += (position++ == 0 ? "" : ", ") + std::string(choice);
    }
    Fail("'" + word + "' is not a value of '" + std::string(key) + "' (one of " + list + ")");
}

void CSourceLine::Fail(const std::string& message) const {
    throw CSourceError(m_strFileName, m_nLine, message);
}

}  // namespace tavelo
