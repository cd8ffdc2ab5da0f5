#include "UnifontSource.h"

#include <algorithm>
#include <charconv>

#include "model/FileBytes.h"
#include "tools/common/SourceError.h"

namespace tavelo {

namespace {

// The whole of Unifont's plane 0 is about 9 MB.
constexpr std::uintmax_t kLargestSource = 64u << 20;
constexpr std::size_t kNarrowDigits = 32;
constexpr std::size_t kWideDigits = 64;

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

}  // namespace

CUnifontSource CUnifontSource::Parse(std::string_view text, const std::string& fileName) {
    CUnifontSource source(fileName);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        source.ReadLine(line, ++lineNumber);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return source;
}

CUnifontSource CUnifontSource::Load(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, kLargestSource);
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 file.string());
}

const SUnifontGlyph* CUnifontSource::Find(char16_t character) const {
    const auto found = m_glyphs.find(character);
    return found == m_glyphs.end() ? nullptr : &found->second;
}

void CUnifontSource::ReadLine(std::string_view line, int lineNumber) {
    if (line.empty()) return;
    const std::size_t colon = line.find(':');
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(line.data(), line.data() + std::min(colon, line.size()), code, 16);
    if (colon == std::string_view::npos || colon == 0 || error != std::errc() ||
        end != line.data() + colon)
        throw CSourceError(m_strFileName, lineNumber, "expected CODE:HEX");
    const std::string_view digits = line.substr(colon + 1);
    if (digits.size() != kNarrowDigits && digits.size() != kWideDigits)
        throw CSourceError(m_strFileName, lineNumber,
                           "a glyph has 32 or 64 hex digits, not " + std::to_string(digits.size()));
    SUnifontGlyph glyph{digits.size() == kWideDigits ? 16 : 8, {}};
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexValue(digits[i]);
        const int low = HexValue(digits[i + 1]);
        if (high < 0 || low < 0)
            throw CSourceError(m_strFileName, lineNumber, "a glyph holds hex digits only");
        glyph.m_rows.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    if (code > 0xFFFF) return;
    if (!m_glyphs.emplace(static_cast<char16_t>(code), std::move(glyph)).second)
        throw CSourceError(m_strFileName, lineNumber, "a second glyph for the same character");
}

}  // namespace tavelo
