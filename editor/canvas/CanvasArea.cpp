#include "CanvasArea.h"

#include "CanvasWidget.h"

namespace tavelo {

CCanvasArea::CCanvasArea(CCanvasWidget* canvas, QWidget* parent)
    : QScrollArea(parent), m_pCanvas(canvas) {
    setWidget(canvas);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    const CSize smallest = CCanvasZoom().GetWidgetSize();
    setMinimumSize(smallest.cx, smallest.cy);
}

void CCanvasArea::SetZoom(int pixelsPerDot) {
    m_bFitting = false;
    m_pCanvas->SetZoom(pixelsPerDot);
}

void CCanvasArea::ZoomToFit() {
    m_bFitting = true;
    Fit();
}

void CCanvasArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (m_bFitting) Fit();
}

void CCanvasArea::Fit() {
    // The whole area, as if no scroll bar were shown: the fitting canvas needs none.
    const QSize room = size();
    m_pCanvas->SetZoom(CCanvasZoom::Fitting({room.width(), room.height()}));
}

}  // namespace tavelo
