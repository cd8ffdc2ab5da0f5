#pragma once
// The drawing interface of the elements on a QPainter: the canvas preview. Face names are
// resolved through the same table as the glyph rasteriser, so "宋体" and "楷体_GB2312" show
// in the installed Song and Kai faces.

#include <QFont>
#include <QHash>

#include "model/DrawSurface.h"

class QPainter;

namespace tavelo {

class CQtDrawSurface : public CDrawSurface {
public:
    explicit CQtDrawSurface(QPainter& painter) : m_painter(painter) {}

    void DrawFocusRect(const CRect& rect) override;
    void DrawLine(CPoint from, CPoint to, const std::optional<CPenDesc>& pen) override;
    void DrawRectangle(const CRect& rect, const std::optional<CPenDesc>& pen,
                       const std::optional<CBrushDesc>& brush) override;
    void FillRectangle(const CRect& rect, Colour colour) override;
    CSize MeasureText(const CFontDesc& font, const std::u16string& text) override;
    void DrawText(CPoint topLeft, const std::u16string& text, const CFontDesc& font,
                  Colour textColour, Colour backgroundColour) override;
    void DrawPicture(const CRect& rect, const CMonoPicture& picture, Colour ink,
                     Colour paper) override;

private:
    const QFont& FontFor(const CFontDesc& font);

    QPainter& m_painter;
    QHash<QString, QFont> m_fonts;
};

}  // namespace tavelo
