#include "ImageLibraries.h"

#include "CompileError.h"

namespace tavelo {

namespace {

// A fault of the compiler itself, not of the project: the dialog closes without a message.
[[noreturn]] void FailUncollected(char16_t character) {
    throw CCompileError({}, "character U+" + std::to_string(static_cast<unsigned>(character)) +
                                " was not collected before its text was encoded");
}

void PutCode(std::vector<std::uint8_t>& bytes, std::int32_t code) {
    bytes.push_back(static_cast<std::uint8_t>(code >> 8));
    bytes.push_back(static_cast<std::uint8_t>(code));
}

}  // namespace

CImageLibraries::CImageLibraries(const std::filesystem::path& dataDirectory)
    : m_fonts(dataDirectory), m_graphics(dataDirectory) {}

void CImageLibraries::Reset() {
    m_fonts.Reset();
    m_vectorGlyphs.Reset();
    m_graphics.Reset();
    m_bitmaps.Reset();
}

void CImageLibraries::AddText(std::u16string_view text, const CVectorFace* face) {
    if (face)
        m_vectorGlyphs.AddText(text, face->m_strFaceName, face->m_nSize);
    else
        m_fonts.AddText(text);
}

std::vector<std::uint8_t> CImageLibraries::EncodeText(std::u16string_view text,
                                                      const CVectorFace* face) const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t character : text) {
        if (face) {
            const std::int32_t code = m_vectorGlyphs.GetCode(character, face->m_strFaceName,
                                                             face->m_nSize, m_fonts.GetWideCount());
            if (code == CVectorGlyphLibrary::kNotAdded) FailUncollected(character);
            PutCode(bytes, code);
            continue;
        }
        const std::int32_t code = m_fonts.GetCode(character);
        if (code == CFontLibrary::kNotAdded) FailUncollected(character);
        if (character < CFontLibrary::kFirstWideCharacter)
            bytes.push_back(static_cast<std::uint8_t>(code));
        else
            PutCode(bytes, code);
    }
    return bytes;
}

std::int32_t CImageLibraries::GetGraphicCode(std::u16string_view name) const {
    return m_graphics.GetCode(name, m_fonts.GetWideCount() + m_vectorGlyphs.GetCount());
}

}  // namespace tavelo
