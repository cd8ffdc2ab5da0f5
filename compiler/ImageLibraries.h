#pragma once
// The four collecting libraries of one compilation, filled while the project is gathered and
// read by the encoders: dot-matrix characters, vector glyphs, graphics and bitmaps. They turn
// texts into the character codes of the image.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "BitmapLibrary.h"
#include "GraphicsLibrary.h"
#include "render/FontLibrary.h"
#include "render/VectorGlyphLibrary.h"

namespace tavelo {

// The face and size of a vector text.
struct CVectorFace {
    std::u16string m_strFaceName;
    std::int32_t m_nSize;
};

class CImageLibraries {
public:
    // The font and picture files are read from this directory when the image is written.
    explicit CImageLibraries(const std::filesystem::path& dataDirectory);

    void Reset();
    // A vector text goes to the vector glyphs (face given), any other to the dot-matrix font.
    void AddText(std::u16string_view text, const CVectorFace* face);

    // The text as the image's character codes: dot-matrix text 1 byte per character below 128
    // and 2 for the others, vector text 2 bytes per character. Throws CCompileError for a
    // character that was never added.
    std::vector<std::uint8_t> EncodeText(std::u16string_view text, const CVectorFace* face) const;
    // The code of a graphic of the graphics library.
    std::int32_t GetGraphicCode(std::u16string_view name) const;

    CFontLibrary m_fonts;
    CVectorGlyphLibrary m_vectorGlyphs;
    CGraphicsLibrary m_graphics;
    CBitmapLibrary m_bitmaps;
};

}  // namespace tavelo
