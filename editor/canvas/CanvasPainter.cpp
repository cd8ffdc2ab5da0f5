#include "CanvasPainter.h"

#include <QPainter>
#include <QPalette>

#include "CanvasZoom.h"
#include "QtDrawSurface.h"
#include "editor/CanvasGeometry.h"
#include "editor/ViewState.h"
#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"
#include "model/GraphObj.h"
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

QRgb Rgb(const std::uint8_t (&colour)[3]) {
    return qRgb(colour[0], colour[1], colour[2]);
}

QRect DisplayRect(const CCanvasZoom& zoom) {
    const CSize size = zoom.GetWidgetSize();
    return QRect(CCanvasZoom::kMargin, CCanvasZoom::kMargin, size.cx - 2 * CCanvasZoom::kMargin,
                 size.cy - 2 * CCanvasZoom::kMargin);
}

// Canvas units, in which elements draw, to widget pixels.
QTransform CanvasTransform(const CCanvasZoom& zoom) {
    return QTransform()
        .translate(CCanvasZoom::kMargin, CCanvasZoom::kMargin)
        .scale(zoom.GetScale(), zoom.GetScale());
}

}  // namespace

CCanvasPainter::CCanvasPainter()
    : m_sizing(kCanvasSize.cx, kCanvasSize.cy, QImage::Format_RGB32),
      m_dots(CLcdFrame::kWidth, CLcdFrame::kHeight, QImage::Format_RGB32) {}

void CCanvasPainter::Paint(QPainter& painter, const QPalette& palette, CViewState& view,
                           const CCanvasZoom& zoom, const CLcdFrame* dots,
                           const std::optional<CRect>& band) {
    const CSize size = zoom.GetWidgetSize();
    if (m_content.size() != QSize(size.cx, size.cy)) {
        m_content = QImage(size.cx, size.cy, QImage::Format_RGB32);
        m_bStale = true;
    }
    if (m_bStale) {
        m_content.fill(palette.color(QPalette::Window));
        QPainter content(&m_content);
        PaintContent(content, palette, view, zoom, dots);
        m_bStale = false;
    }
    painter.drawImage(0, 0, m_content);

    const CPlacementPreview& preview = view.GetPreview();
    if (preview.m_bOn) {
        const CRect r = zoom.ClientToWidget(preview.m_rcClient);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.left, r.top, r.Width() - 1, r.Height() - 1);
    }
    if (band) CQtDrawSurface(painter).DrawFocusRect(zoom.ClientToWidget(*band));
}

void CCanvasPainter::PaintContent(QPainter& painter, const QPalette& palette, CViewState& view,
                                  const CCanvasZoom& zoom, const CLcdFrame* dots) {
    PaintBorder(painter, palette, zoom);
    const QRect display = DisplayRect(zoom);
    if (!view.IsProjectOpen()) {
        painter.fillRect(display, QColor(kClosedBackground));
        return;
    }
    if (dots) {
        SizeElements(view);
        PaintDots(painter, *dots, zoom);
    } else {
        painter.fillRect(display, QColor(kProjectBackground));
        if (view.IsGridShown()) PaintGrid(painter, zoom);
    }
    painter.setClipRect(display);
    painter.setTransform(CanvasTransform(zoom));
    if (dots) {
        PaintSelectionMarks(painter, view);
    } else {
        CQtDrawSurface surface(painter);
        view.GetDoc().DrawScreen(surface, view);
    }
}

void CCanvasPainter::PaintBorder(QPainter& painter, const QPalette& palette,
                                 const CCanvasZoom& zoom) const {
    // Three nested frames: raised outside, flat, sunken inside.
    const QRect outer = DisplayRect(zoom).adjusted(-3, -3, 2, 2);
    DrawEdge(painter, outer, palette.color(QPalette::Light), palette.color(QPalette::Shadow));
    DrawEdge(painter, outer.adjusted(1, 1, -1, -1), palette.color(QPalette::Button),
             palette.color(QPalette::Button));
    DrawEdge(painter, outer.adjusted(2, 2, -2, -2), palette.color(QPalette::Shadow),
             palette.color(QPalette::Light));
}

void CCanvasPainter::PaintGrid(QPainter& painter, const CCanvasZoom& zoom) const {
    const QColor colour(kGridColour);
    for (int y = kGridPitch; y < kCanvasSize.cy; y += kGridPitch)
        for (int x = kGridPitch; x < kCanvasSize.cx; x += kGridPitch) {
            const CPoint centre = zoom.ClientToWidget(CanvasToClient({x, y}));
            painter.fillRect(centre.x - 1, centre.y - 1, 3, 3, colour);
        }
}

void CCanvasPainter::PaintDots(QPainter& painter, const CLcdFrame& dots, const CCanvasZoom& zoom) {
    const QRgb lit = Rgb(CLcdPng::kDot);
    const QRgb dark = Rgb(CLcdPng::kBackground);
    for (int y = 0; y < CLcdFrame::kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_dots.scanLine(y));
        for (int x = 0; x < CLcdFrame::kWidth; ++x) line[x] = dots.Get(x, y) ? lit : dark;
    }
    // Whole pixels per dot and no smoothing: every dot is a sharp square.
    painter.drawImage(DisplayRect(zoom), m_dots);
}

void CCanvasPainter::SizeElements(CViewState& view) {
    QPainter painter(&m_sizing);
    CQtDrawSurface surface(painter);
    view.GetDoc().DrawScreen(surface, view);
}

void CCanvasPainter::PaintSelectionMarks(QPainter& painter, const CViewState& view) const {
    if (view.IsPlacementPreviewOn()) return;
    CQtDrawSurface surface(painter);
    for (CGraphObj* element : view.GetSelection())
        if (element->m_nScreenNo == view.GetCurrentScreenNo())
            element->DrawSelectionMarks(surface, CGraphObj::kMarksSelected);
}

}  // namespace tavelo
