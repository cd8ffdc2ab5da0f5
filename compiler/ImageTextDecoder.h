#pragma once
// Turns the character codes of an image's texts back into characters, by the glyphs they name:
// a recognised glyph gives its character, any other a placeholder ("{n3}" narrow glyph 3,
// "{w5}" wide glyph 5, "{v7}" vector glyph 7).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ImageContents.h"

namespace tavelo {

class CImageTextDecoder {
public:
    CImageTextDecoder(const std::vector<CImageGlyph>& wide, const std::vector<CImageGlyph>& narrow)
        : m_wide(wide), m_narrow(narrow) {}

    struct CText {
        std::u16string m_strText;
        // Why the codes do not fit the glyph areas; empty when they do.
        std::string m_strFault;
    };
    CText Decode(std::span<const std::uint8_t> codes) const;

private:
    const std::vector<CImageGlyph>& m_wide;
    const std::vector<CImageGlyph>& m_narrow;
};

}  // namespace tavelo
