#pragma once
// The program's outline rasteriser: renders vector text characters with FreeType from the
// face that fontconfig finds for the face name, using the face's embedded bitmaps where it
// has them at the size, as the desktop does.

#include <cstdint>
#include <memory>
#include <string>

#include "GlyphRasteriser.h"

namespace tavelo {

class CFreeTypeRasteriser : public CGlyphRasteriser {
public:
    // Sizes beyond this are not panel text; refusing them bounds the bitmap FreeType allocates.
    static constexpr std::int32_t kLargestSize = 255;

    // Throws CGlyphError when FreeType or fontconfig cannot start.
    CFreeTypeRasteriser();
    ~CFreeTypeRasteriser() override;

    CGlyphCoverage Render(char16_t character, const std::u16string& faceName,
                          std::int32_t size) override;
    bool HasGlyph(char16_t character, const std::u16string& faceName) override;

private:
    class CImpl;
    std::unique_ptr<CImpl> m_pImpl;
};

}  // namespace tavelo
