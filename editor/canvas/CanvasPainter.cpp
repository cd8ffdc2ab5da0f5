#include "CanvasPainter.h"

#include <QPainter>
#include <QPalette>

#include "QtDrawSurface.h"
#include "editor/CanvasGeometry.h"
#include "editor/ViewState.h"
#include "model/TaveloDoc.h"

namespace tavelo {
namespace {

// Top and left in one colour, bottom and right in another, one pixel wide.
void DrawEdge(QPainter& painter, const QRect& rect, const QColor& topLeft,
              const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

}  // namespace

CCanvasPainter::CCanvasPainter()
    : m_display(kCanvasSize.cx, kCanvasSize.cy, QImage::Format_RGB32) {}

void CCanvasPainter::Paint(QPainter& painter, const QPalette& palette, CViewState& view,
                           const std::optional<CRect>& band) {
    PaintBorder(painter, palette);
    PaintDisplay(view);
    painter.drawImage(kCanvasOrigin.x, kCanvasOrigin.y, m_display);

    const CPlacementPreview& preview = view.GetPreview();
    if (preview.m_bOn) {
        const CRect& r = preview.m_rcClient;
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.left, r.top, r.Width() - 1, r.Height() - 1);
    }
    if (band) {
        QPainter::CompositionMode mode = painter.compositionMode();
        CQtDrawSurface(painter).DrawFocusRect(*band);
        painter.setCompositionMode(mode);
    }
}

void CCanvasPainter::PaintBorder(QPainter& painter, const QPalette& palette) const {
    // Three nested frames: raised outside, flat, sunken inside.
    const QRect outer(kCanvasFrame.left, kCanvasFrame.top, kCanvasFrame.Width(),
                      kCanvasFrame.Height());
    DrawEdge(painter, outer, palette.color(QPalette::Light), palette.color(QPalette::Shadow));
    DrawEdge(painter, outer.adjusted(1, 1, -1, -1), palette.color(QPalette::Button),
             palette.color(QPalette::Button));
    DrawEdge(painter, outer.adjusted(2, 2, -2, -2), palette.color(QPalette::Shadow),
             palette.color(QPalette::Light));
}

void CCanvasPainter::PaintDisplay(CViewState& view) {
    if (!view.IsProjectOpen()) {
        m_display.fill(kClosedBackground);
        return;
    }
    m_display.fill(kProjectBackground);
    QPainter painter(&m_display);
    if (view.IsGridShown()) PaintGrid(painter);
    CQtDrawSurface surface(painter);
    view.GetDoc().DrawScreen(surface, view);
}

void CCanvasPainter::PaintGrid(QPainter& painter) const {
    painter.setPen(QColor(kGridColour));
    painter.setBrush(QColor(kGridColour));
    for (int y = kGridPitch; y < kCanvasSize.cy; y += kGridPitch)
        for (int x = kGridPitch; x < kCanvasSize.cx; x += kGridPitch)
            painter.drawEllipse(QRect(x - 2, y - 2, 3, 3));
}

}  // namespace tavelo
