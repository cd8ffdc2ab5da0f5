#pragma once
// The drawing interface through which elements draw their canvas preview; the editor draws
// it with Qt, tests record the calls.

#include <cstdint>
#include <optional>
#include <string>

#include "Geometry.h"
#include "MonoPicture.h"

namespace tavelo {

// Colours are 0x00BBGGRR values.
using Colour = std::uint32_t;

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kLightGrey = 0xC0C0C0;

struct CPenDesc {
    // The outline lies inside the shape's frame.
    static constexpr std::int32_t kInsideFrame = 6;

    std::int32_t m_nStyle = kInsideFrame;
    std::int32_t m_nWidthX = 1;
    std::int32_t m_nWidthY = 1;
    Colour m_nColour = kBlack;

    bool operator==(const CPenDesc&) const = default;
};

struct CBrushDesc {
    static constexpr std::int32_t kSolid = 0;

    std::int32_t m_nStyle = kSolid;
    Colour m_nColour = kLightGrey;
    std::int32_t m_nHatch = 0;

    bool operator==(const CBrushDesc&) const = default;
};

// A desktop font for previews: a face name as the project names it ("宋体", "楷体_GB2312"),
// which the surface resolves to an installed face, and the cell height in canvas units.
struct CFontDesc {
    std::u16string m_strFaceName;
    std::int32_t m_nHeight = 0;

    bool operator==(const CFontDesc&) const = default;
};

class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;

    // A dotted rectangle drawn by inverting what lies under it.
    virtual void DrawFocusRect(const CRect& rect) = 0;
    // Without a pen nothing is drawn.
    virtual void DrawLine(CPoint from, CPoint to, const std::optional<CPenDesc>& pen) = 0;
    // Outlined with the pen and filled with the brush; either may be absent.
    virtual void DrawRectangle(const CRect& rect, const std::optional<CPenDesc>& pen,
                               const std::optional<CBrushDesc>& brush) = 0;
    virtual void FillRectangle(const CRect& rect, Colour colour) = 0;
    // The extent of the text in the font, in canvas units.
    virtual CSize MeasureText(const CFontDesc& font, const std::u16string& text) = 0;
    // The text with its cell's top-left corner at the point, on an opaque background.
    virtual void DrawText(CPoint topLeft, const std::u16string& text, const CFontDesc& font,
                          Colour textColour, Colour backgroundColour) = 0;
    // The picture stretched into the rectangle: dots in ink, the rest in paper.
    virtual void DrawPicture(const CRect& rect, const CMonoPicture& picture, Colour ink,
                             Colour paper) = 0;
};

}  // namespace tavelo
