#pragma once
// A download image as the image reader decodes it: every part as a record of named numbers
// (texts turned back into characters where the glyphs allow), and the places where the image
// disagrees with its own structure. Records print alike as text or JSON.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelo {

struct CImageField {
    std::string m_strName;
    std::int64_t m_nValue = 0;
    // Set for texts (decoded character codes), the value then being their byte count.
    std::optional<std::u16string> m_strText;
};

struct CImageRecord {
    // "header", "systemBlock", "screen", "staticText", ..., "keyEntry", "pollEntry", "alarm".
    std::string m_strKind;
    std::size_t m_nOffset = 0;
    std::size_t m_nSize = 0;
    std::vector<CImageField> m_fields;

    // The field of that name, if the record has it.
    const CImageField* Find(std::string_view name) const;
    // Its value, or fallback.
    std::int64_t Value(std::string_view name, std::int64_t fallback = 0) const;
};

struct CImageScreen {
    CImageRecord m_entry;
    std::vector<CImageRecord> m_elements;  // in index order
    std::vector<CImageRecord> m_keyEntries;
    std::vector<CImageRecord> m_pollEntries;
};

// One glyph of the glyph areas and what it was recognised as.
struct CImageGlyph {
    enum class EKind { Unknown, Character, Graphic };
    std::size_t m_nOffset = 0;
    EKind m_eKind = EKind::Unknown;
    char16_t m_chCharacter = 0;
    std::int64_t m_nGraphic = 0;  // the GRAPH.DAT record
};

struct CImageViolation {
    std::size_t m_nOffset = 0;
    std::string m_strText;
};

struct CImageContents {
    std::size_t m_nSize = 0;    // the bytes read
    std::size_t m_nLength = 0;  // where the padding starts, when the structure tells
    CImageRecord m_header;
    CImageRecord m_systemBlock;
    std::vector<CImageGlyph> m_wideGlyphs;
    std::vector<CImageGlyph> m_narrowGlyphs;
    std::vector<CImageScreen> m_screens;
    std::vector<CImageRecord> m_alarms;
    std::vector<CImageViolation> m_violations;
    // Set when the image is too damaged to be walked at all; the rest is then partial.
    std::string m_strError;

    bool IsConsistent() const { return m_strError.empty() && m_violations.empty(); }
};

}  // namespace tavelo
