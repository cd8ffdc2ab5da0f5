#pragma once
// One line of a readable PLC type source split into its keyword, its quoted name and its
// key=value fields, with typed access that reports every fault with the line's position.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tavelo {

class CSourceLine {
public:
    // Splits the text; a '#' outside quotes starts a comment. Throws CSourceError for an
    // unterminated quote or a word that is not a key=value field.
    CSourceLine(std::string_view text, std::string fileName, int lineNumber);

    bool IsBlank() const { return m_strKeyword.empty(); }
    const std::string& GetKeyword() const { return m_strKeyword; }
    int GetLineNumber() const { return m_nLine; }

    // The quoted name after the keyword, blanks kept; a missing, empty or malformed name fails.
    std::u16string GetName() const;
    // Fails on a field whose key is not listed, then on a listed key that is absent.
    void RequireExactly(std::initializer_list<std::string_view> keys) const;

    // A decimal number that fits an int32.
    std::int32_t GetNumber(std::string_view key) const;
    // "low..high" with low <= high.
    std::pair<std::int32_t, std::int32_t> GetRange(std::string_view key) const;
    // The position of the field's word among the choices.
    std::int32_t GetChoice(std::string_view key,
                           std::initializer_list<std::string_view> choices) const;

    [[noreturn]] void Fail(const std::string& message) const;

private:
    // Each takes the word starting at pos and returns the position after it.
    std::size_t TakeName(std::string_view text, std::size_t pos, int word);
    std::size_t TakeWord(std::string_view text, std::size_t pos, int word);
    void AddField(std::string_view word);
    const std::string& GetField(std::string_view key) const;
    std::int32_t ParseNumber(std::string_view key, std::string_view text) const;

    std::string m_strFileName;
    int m_nLine;
    std::string m_strKeyword;
    std::optional<std::string> m_strName;
    std::map<std::string, std::string, std::less<>> m_fields;
};

}  // namespace tavelo
