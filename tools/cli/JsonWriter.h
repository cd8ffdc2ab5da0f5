#pragma once
// A streaming JSON writer: values go out as they are given, commas and two-space indentation
// follow from the nesting, and text is escaped so the output is valid UTF-8 JSON.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tavelo::cli {

class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value; only inside an object.
    void Key(std::string_view utf8);

    void String(std::u16string_view text);
    // UTF-8 text; malformed sequences become U+FFFD.
    void String(std::string_view utf8);
    void Int(std::int64_t value);
    void Bool(bool value);
    void Null();

    // Ends the document with a newline once the outermost value is complete.
    void Finish();

private:
    struct CLevel {
        bool m_bObject;
        int m_nCount;
    };

    // Separator and indentation before a value or key; throws std::logic_error when the
    // call does not fit the nesting (a value without a key in an object, say).
    void BeforeValue();
    void Begin(char bracket, bool object);
    void End(char bracket, bool object);
    void Indent(std::size_t depth);
    void WriteQuoted(std::u16string_view text);

    std::ostream& m_out;
    std::vector<CLevel> m_levels;
    bool m_bKeyPending = false;
    bool m_bDone = false;
};

// Members of the object being written: the key, then its value.
void IntMember(CJsonWriter& json, std::string_view key, std::int64_t value);
void TextMember(CJsonWriter& json, std::string_view key, std::u16string_view value);
void BoolMember(CJsonWriter& json, std::string_view key, bool value);

// The decoded value, or null for a stored index outside its table.
template <class T>
void DecodedMember(CJsonWriter& json, std::string_view key, std::optional<T> value) {
    json.Key(key);
    if (!value)
        json.Null();
    else if constexpr (std::is_arithmetic_v<T>)
        json.Int(*value);
    else
        json.String(std::string_view(*value));
}

}  // namespace tavelo::cli
