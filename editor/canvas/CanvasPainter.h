#pragma once
// Paints the canvas widget at its zoom: the sunken border, the display area in its colour, the
// grid points and the current screen's elements (or the panel's own dots) with the selection
// marks, kept in an image until they change; over it the placement preview and the selection
// band. Elements draw in canvas units through a scaled painter; the dots are whole squares of
// screen pixels, never smoothed.

#include <QImage>
#include <optional>

#include "model/Geometry.h"

class QPainter;
class QPalette;

namespace tavelo {

class CCanvasZoom;
class CLcdFrame;
class CViewState;

class CCanvasPainter {
public:
    static constexpr QRgb kProjectBackground = 0xFFFFFFFF;
    static constexpr QRgb kClosedBackground = 0xFFECE9D8;
    static constexpr QRgb kGridColour = 0xFF969696;

    CCanvasPainter();

    // What the image keeps changed: the next paint draws it anew.
    void Invalidate() { m_bStale = true; }
    // The dots, when given, show instead of the elements' previews; the band is in client
    // pixels.
    void Paint(QPainter& painter, const QPalette& palette, CViewState& view,
               const CCanvasZoom& zoom, const CLcdFrame* dots, const std::optional<CRect>& band);

private:
    void PaintContent(QPainter& painter, const QPalette& palette, CViewState& view,
                      const CCanvasZoom& zoom, const CLcdFrame* dots);
    void PaintBorder(QPainter& painter, const QPalette& palette, const CCanvasZoom& zoom) const;
    void PaintGrid(QPainter& painter, const CCanvasZoom& zoom) const;
    void PaintDots(QPainter& painter, const CLcdFrame& dots, const CCanvasZoom& zoom);
    // Texts and registers take their size when they are drawn, which the compiler reads.
    void SizeElements(CViewState& view);
    void PaintSelectionMarks(QPainter& painter, const CViewState& view) const;

    QImage m_content;
    bool m_bStale = true;
    QImage m_sizing;
    QImage m_dots;
};

}  // namespace tavelo
