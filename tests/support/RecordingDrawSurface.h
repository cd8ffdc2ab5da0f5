#pragma once
// A drawing surface that keeps every call, in order, so tests can check what was drawn. Its
// font metrics are fixed and simple: a UTF-16 unit above 127 is as wide as the font is high,
// any other half as wide, and every text is one font height high.

#include <optional>
#include <string>
#include <vector>

#include "model/DrawSurface.h"

namespace tavelo::test {

class RecordingDrawSurface : public CDrawSurface {
public:
    enum class Kind { FocusRect, Line, Rectangle, Fill, Text, Picture };

    struct Call {
        Kind kind = Kind::FocusRect;
        CRect rect;  // a line's start and end as left, top and right, bottom; a text's top-left
        std::optional<CPenDesc> pen;
        std::optional<CBrushDesc> brush;
        std::u16string text;
        CFontDesc font;
        Colour ink = kBlack;  // text colour, picture ink or fill colour
        Colour paper = kWhite;
        CMonoPicture picture;
    };

    static CSize Extent(const CFontDesc& font, const std::u16string& text) {
        std::int32_t width = 0;
        for (char16_t unit : text) width += unit > 127 ? font.m_nHeight : font.m_nHeight / 2;
        return {width, font.m_nHeight};
    }

    void DrawFocusRect(const CRect& rect) override { Record(Kind::FocusRect, rect); }
    void DrawLine(CPoint from, CPoint to, const std::optional<CPenDesc>& pen) override {
        Record(Kind::Line, {from.x, from.y, to.x, to.y}).pen = pen;
    }
    void DrawRectangle(const CRect& rect, const std::optional<CPenDesc>& pen,
                       const std::optional<CBrushDesc>& brush) override {
        Call& call = Record(Kind::Rectangle, rect);
        call.pen = pen;
        call.brush = brush;
    }
    void FillRectangle(const CRect& rect, Colour colour) override {
        Record(Kind::Fill, rect).ink = colour;
    }
    CSize MeasureText(const CFontDesc& font, const std::u16string& text) override {
        return Extent(font, text);
    }
    void DrawText(CPoint topLeft, const std::u16string& text, const CFontDesc& font,
                  Colour textColour, Colour backgroundColour) override {
        Call& call = Record(Kind::Text, {topLeft.x, topLeft.y, topLeft.x, topLeft.y});
        call.text = text;
        call.font = font;
        call.ink = textColour;
        call.paper = backgroundColour;
    }
    void DrawPicture(const CRect& rect, const CMonoPicture& picture, Colour ink,
                     Colour paper) override {
        Call& call = Record(Kind::Picture, rect);
        call.ink = ink;
        call.paper = paper;
        call.picture = picture;
    }

    std::vector<Call> calls;

private:
    Call& Record(Kind kind, const CRect& rect) {
        Call& call = calls.emplace_back();
        call.kind = kind;
        call.rect = rect;
        return call;
    }
};

}  // namespace tavelo::test
