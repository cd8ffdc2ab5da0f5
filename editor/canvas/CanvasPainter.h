#pragma once
// Paints the canvas part of the view: the sunken border, the display area in its colour, the
// grid points, the current screen's elements, the placement preview and the selection band.
// The display is drawn through one off-screen image, so elements may draw in canvas units.

#include <QImage>
#include <optional>

#include "model/Geometry.h"

class QPainter;
class QPalette;

namespace tavelo {

class CViewState;

class CCanvasPainter {
public:
    static constexpr QRgb kProjectBackground = 0xFFFFFFFF;
    static constexpr QRgb kClosedBackground = 0xFFECE9D8;
    static constexpr QRgb kGridColour = 0xFF969696;

    CCanvasPainter();

    // Paints in client coordinates; the band, when given, is in client pixels too.
    void Paint(QPainter& painter, const QPalette& palette, CViewState& view,
               const std::optional<CRect>& band);

private:
    void PaintBorder(QPainter& painter, const QPalette& palette) const;
    void PaintDisplay(CViewState& view);
    void PaintGrid(QPainter& painter) const;

    QImage m_display;
};

}  // namespace tavelo
