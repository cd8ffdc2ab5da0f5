#include "FreeTypeRasteriser.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>
#include <map>

#include "FaceFamilies.h"
#include "FontconfigLocator.h"
#include "GlyphError.h"
#include "model/TextCodec.h"

namespace tavelo {

namespace {

struct SFaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<FT_FaceRec_, SFaceDeleter>;

// The panel's dots are black or white, so outlines are hinted and rendered for one-bit output
// as a monochrome bitmap draws them: a thin stroke keeps a dot wherever it passes, where a
// half-coverage threshold of anti-aliased levels would drop it. Embedded bitmaps stay first.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_MONO;

// FreeType lengths are in 1/64 dot.
int Dots(FT_Pos length) {
    return static_cast<int>(length >> 6);
}
int RoundedDots(FT_Pos length) {
    return static_cast<int>((length + 32) >> 6);
}

std::string Describe(const std::u16string& faceName) {
    return "\"" + ToUtf8(faceName) + "\"";
}

// Gray levels as they are, a one-bit bitmap (an embedded strike) as full ink or paper.
std::vector<std::uint8_t> ReadLevels(const FT_Bitmap& bitmap) {
    std::vector<std::uint8_t> levels;
    levels.reserve(static_cast<std::size_t>(bitmap.rows) * bitmap.width);
    for (unsigned int y = 0; y < bitmap.rows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (unsigned int x = 0; x < bitmap.width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                levels.push_back((row[x / 8] & (0x80 >> (x % 8))) ? 255 : 0);
            else
                levels.push_back(row[x]);
        }
    }
    return levels;
}

// A stroke thinner than a dot still keeps its dots, ends included, so the thin strokes of a
// brush face such as 楷体 do not break apart at 12 to 16 dots.
bool RenderMonochrome(FT_GlyphSlot slot) {
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        slot->outline.flags &= ~FT_OUTLINE_IGNORE_DROPOUTS;
        slot->outline.flags |= FT_OUTLINE_SMART_DROPOUTS | FT_OUTLINE_INCLUDE_STUBS;
    }
    return FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0;
}

bool IsReadable(const FT_Bitmap& bitmap) {
    return bitmap.pixel_mode == FT_PIXEL_MODE_MONO || bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
}

}  // namespace

class CFreeTypeRasteriser::CImpl {
public:
    CImpl() {
        if (FT_Init_FreeType(&m_library) != 0) throw CGlyphError({}, "FreeType cannot start");
    }
    ~CImpl() {
        m_faces.clear();
        FT_Done_FreeType(m_library);
    }
    CImpl(const CImpl&) = delete;
    CImpl& operator=(const CImpl&) = delete;

    FT_Face GetFace(const std::u16string& faceName) {
        if (const auto found = m_faces.find(faceName); found != m_faces.end())
            return found->second.get();
        const std::string family = ToUtf8(GetInstalledFamily(faceName));
        const auto file = m_locator.Find(family);
        if (!file)
            throw CGlyphError({}, "the vector text face " + Describe(faceName) +
                                      " is not installed (font family \"" + family + "\")");
        FT_Face face = nullptr;
        if (FT_New_Face(m_library, file->m_strPath.c_str(), file->m_nIndex, &face) != 0)
            throw CGlyphError({}, "the vector text face " + Describe(faceName) +
                                      " cannot be loaded from " + file->m_strPath);
        FacePtr owned(face);
        if (!FT_IS_SCALABLE(face) && face->num_fixed_sizes == 0)
            throw CGlyphError({}, "the vector text face " + Describe(faceName) + " in " +
                                      file->m_strPath + " holds no glyphs of any size");
        return m_faces.emplace(faceName, std::move(owned)).first->second.get();
    }

private:
    FT_Library m_library = nullptr;
    CFontconfigLocator m_locator;
    std::map<std::u16string, FacePtr> m_faces;
};

CFreeTypeRasteriser::CFreeTypeRasteriser() : m_pImpl(std::make_unique<CImpl>()) {}

CFreeTypeRasteriser::~CFreeTypeRasteriser() = default;

CGlyphCoverage CFreeTypeRasteriser::Render(char16_t character, const std::u16string& faceName,
                                           std::int32_t size) {
    const std::int64_t pixels = std::llabs(static_cast<std::int64_t>(size));
    if (pixels > kLargestSize)
        throw CGlyphError({}, "the vector text size " + std::to_string(size) + " of face " +
                                  Describe(faceName) + " is beyond " +
                                  std::to_string(kLargestSize) + " dots");
    FT_Face face = m_pImpl->GetFace(faceName);
    // A height of 0 leaves no row of the cell to draw in.
    if (pixels == 0) return {};
    // The faces stand in for desktop faces whose cell height is their em size, so the size
    // is the em in dots; an exact strike size selects the face's embedded bitmaps.
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0)
        throw CGlyphError({}, "the vector text face " + Describe(faceName) + " has no glyphs of " +
                                  std::to_string(pixels) + " dots");
    const FT_UInt index = FT_Get_Char_Index(face, character);
    FT_GlyphSlot slot = face->glyph;
    bool loaded = FT_Load_Glyph(face, index, kLoadFlags) == 0;
    if (loaded && slot->format == FT_GLYPH_FORMAT_BITMAP && !IsReadable(slot->bitmap))
        loaded = FT_Load_Glyph(face, index, kLoadFlags | FT_LOAD_NO_BITMAP) == 0;
    if (loaded && slot->format != FT_GLYPH_FORMAT_BITMAP) loaded = RenderMonochrome(slot);
    if (!loaded || !IsReadable(slot->bitmap))
        throw CGlyphError({}, "the vector text face " + Describe(faceName) + " cannot render " +
                                  DescribeCharacter(character));
    CGlyphCoverage coverage;
    coverage.m_nAdvance = RoundedDots(slot->advance.x);
    coverage.m_nAscent = Dots(face->size->metrics.ascender);
    coverage.m_nLineHeight = Dots(face->size->metrics.ascender - face->size->metrics.descender);
    coverage.m_nLeft = slot->bitmap_left;
    coverage.m_nTop = slot->bitmap_top;
    coverage.m_nWidth = static_cast<int>(slot->bitmap.width);
    coverage.m_nHeight = static_cast<int>(slot->bitmap.rows);
    coverage.m_levels = ReadLevels(slot->bitmap);
    return coverage;
}

bool CFreeTypeRasteriser::HasGlyph(char16_t character, const std::u16string& faceName) {
    return FT_Get_Char_Index(m_pImpl->GetFace(faceName), character) != 0;
}

}  // namespace tavelo
