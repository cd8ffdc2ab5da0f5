#include "JsonWriter.h"

#include <ostream>
#include <stdexcept>
#include <string>

#include "model/TextCodec.h"

namespace tavelo::cli {

namespace {

constexpr int kIndentWidth = 2;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void WriteEscapedUnit(std::ostream& out, char16_t unit) {
    static constexpr char kHex[] = "0123456789abcdef";
    out << "\\u" << kHex[(unit >> 12) & 0xF] << kHex[(unit >> 8) & 0xF] << kHex[(unit >> 4) & 0xF]
        << kHex[unit & 0xF];
}

// The short escapes of JSON, or 0 when the unit has none.
char ShortEscape(char16_t unit) {
    switch (unit) {
        case u'"':
            return '"';
        case u'\\':
            return '\\';
        case u'\b':
            return 'b';
        case u'\f':
            return 'f';
        case u'\n':
            return 'n';
        case u'\r':
            return 'r';
        case u'\t':
            return 't';
        default:
            return 0;
    }
}

}  // namespace

void CJsonWriter::BeginObject() {
    Begin('{', true);
}
void CJsonWriter::EndObject() {
    End('}', true);
}
void CJsonWriter::BeginArray() {
    Begin('[', false);
}
void CJsonWriter::EndArray() {
    End(']', false);
}

void CJsonWriter::Key(std::string_view utf8) {
    if (m_levels.empty() || !m_levels.back().m_bObject || m_bKeyPending)
        throw std::logic_error("JSON key outside an object or twice in a row");
    if (m_levels.back().m_nCount++ > 0) m_out << ',';
    Indent(m_levels.size());
    WriteQuoted(FromUtf8(utf8));
    m_out << ": ";
    m_bKeyPending = true;
}

void CJsonWriter::String(std::u16string_view text) {
    BeforeValue();
    WriteQuoted(text);
}

void CJsonWriter::String(std::string_view utf8) {
    String(std::u16string_view(FromUtf8(utf8)));
}

void CJsonWriter::Int(std::int64_t value) {
    BeforeValue();
    m_out << value;
}

void CJsonWriter::Bool(bool value) {
    BeforeValue();
    m_out << (value ? "true" : "false");
}

void CJsonWriter::Null() {
    BeforeValue();
    m_out << "null";
}

void CJsonWriter::Finish() {
    if (!m_bDone || !m_levels.empty()) throw std::logic_error("JSON document is incomplete");
    m_out << '\n';
}

void CJsonWriter::BeforeValue() {
    if (m_levels.empty()) {
        if (m_bDone) throw std::logic_error("a second JSON value after the document");
        m_bDone = true;  // the value written now is the whole document
        return;
    }
    CLevel& level = m_levels.back();
    if (level.m_bObject) {
        if (!m_bKeyPending) throw std::logic_error("JSON value without a key in an object");
        m_bKeyPending = false;
        return;
    }
    if (level.m_nCount++ > 0) m_out << ',';
    Indent(m_levels.size());
}

void CJsonWriter::Begin(char bracket, bool object) {
    BeforeValue();
    m_out << bracket;
    m_levels.push_back({object, 0});
}

void CJsonWriter::End(char bracket, bool object) {
    if (m_levels.empty() || m_levels.back().m_bObject != object || m_bKeyPending)
        throw std::logic_error(std::string("unbalanced JSON '") + bracket + "'");
    const bool empty = m_levels.back().m_nCount == 0;
    m_levels.pop_back();
    if (!empty) Indent(m_levels.size());
    m_out << bracket;
}

void CJsonWriter::Indent(std::size_t depth) {
    m_out << '\n' << std::string(depth * kIndentWidth, ' ');
}

void CJsonWriter::WriteQuoted(std::u16string_view text) {
    m_out << '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (const char escape = ShortEscape(unit)) {
            m_out << '\\' << escape;
        } else if (unit < 0x20) {
            WriteEscapedUnit(m_out, unit);
        } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            m_out << ToUtf8(text.substr(i, 2));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            // A lone surrogate has no UTF-8 form; the escape keeps it without breaking the text.
            WriteEscapedUnit(m_out, unit);
        } else {
            m_out << ToUtf8(text.substr(i, 1));
        }
    }
    m_out << '"';
}

void IntMember(CJsonWriter& json, std::string_view key, std::int64_t value) {
    json.Key(key);
    json.Int(value);
}

void TextMember(CJsonWriter& json, std::string_view key, std::u16string_view value) {
    json.Key(key);
    json.String(value);
}

void BoolMember(CJsonWriter& json, std::string_view key, bool value) {
    json.Key(key);
    json.Bool(value);
}

}  // namespace tavelo::cli
