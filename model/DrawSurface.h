#pragma once
// The drawing interface through which elements draw their canvas preview; the editor draws
// it with Qt, tests record the calls.

#include <cstdint>
#include <optional>

#include "Geometry.h"

namespace tavelo {

// Colours are 0x00BBGGRR values.
using Colour = std::uint32_t;

constexpr Colour kBlack = 0x000000;
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
};

}  // namespace tavelo
