#include "CanvasWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "editor/QtText.h"
#include "editor/ViewState.h"
#include "editor/tools/ToolRegistry.h"
#include "translation/ShownText.h"

namespace tavelo {
namespace {

bool IsShiftHeld(const QMouseEvent* event) {
    return event->modifiers().testFlag(Qt::ShiftModifier);
}

bool IsOnDisplay(CPoint dot) {
    return dot.x >= 0 && dot.x < CLcdFrame::kWidth && dot.y >= 0 && dot.y < CLcdFrame::kHeight;
}

}  // namespace

CCanvasWidget::CCanvasWidget(const CEditorContext& context, CViewState& view, CToolRegistry& tools,
                             CToolHost& host, QWidget* parent)
    : QWidget(parent), m_view(view), m_tools(tools), m_host(host), m_dotTrue(context) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const CSize size = m_zoom.GetWidgetSize();
    setFixedSize(size.cx, size.cy);
}

void CCanvasWidget::SetZoom(int pixelsPerDot) {
    const int before = m_zoom.Get();
    m_zoom.Set(pixelsPerDot);
    m_painter.Invalidate();
    const CSize size = m_zoom.GetWidgetSize();
    setFixedSize(size.cx, size.cy);
    update();
    if (m_zoom.Get() != before) emit ZoomChanged(m_zoom.Get());
}

void CCanvasWidget::SetDotTrue(bool dotTrue) {
    m_bDotTrue = dotTrue;
    m_painter.Invalidate();
    update();
}

void CCanvasWidget::ProjectChanged() {
    m_dotTrue.Invalidate();
    m_painter.Invalidate();
    update();
}

void CCanvasWidget::SetBand(const std::optional<CRect>& clientBand) {
    m_band = clientBand;
    update();
}

QString CCanvasWidget::GetDotTrueError() const {
    return m_strDotTrueError;
}

QSize CCanvasWidget::sizeHint() const {
    const CSize size = m_zoom.GetWidgetSize();
    return {size.cx, size.cy};
}

const CLcdFrame* CCanvasWidget::CurrentDots() {
    if (!m_bDotTrue || !m_view.IsProjectOpen()) return nullptr;
    const CLcdFrame* dots = m_dotTrue.Render(m_view.GetCurrentScreenNo());
    const QString error = ShownText(m_dotTrue.GetError());
    if (error != m_strDotTrueError) {
        m_strDotTrueError = error;
        emit DotTrueErrorChanged(error);
    }
    return dots;
}

void CCanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_painter.Paint(painter, palette(), m_view, m_zoom, CurrentDots(), m_band);
    emit Painted();
}

CPoint CCanvasWidget::ClientPoint(const QMouseEvent* event) const {
    const QPoint point = event->position().toPoint();
    return m_zoom.WidgetToClient({point.x(), point.y()});
}

void CCanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_view.IsProjectOpen()) return;
    emit LeftPressed();
    m_tools.OnLeftPress(m_host, ClientPoint(event), IsShiftHeld(event));
    emit PointerStepEnded();
}

void CCanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_view.IsProjectOpen()) return;
    if (event->button() == Qt::LeftButton)
        m_tools.OnLeftRelease(m_host, ClientPoint(event), IsShiftHeld(event));
    else if (event->button() == Qt::RightButton)
        m_tools.OnRightRelease(m_host);
    emit PointerStepEnded();
}

void CCanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const CPoint dot = m_zoom.WidgetToDot({point.x(), point.y()});
    emit PointerMoved(IsOnDisplay(dot) ? std::optional(QPoint(dot.x, dot.y)) : std::nullopt);
    if (m_view.IsProjectOpen()) m_tools.OnMove(m_host, ClientPoint(event), IsShiftHeld(event));
}

void CCanvasWidget::leaveEvent(QEvent*) {
    emit PointerMoved(std::nullopt);
}

void CCanvasWidget::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) emit ZoomStepRequested(steps);
    event->accept();
}

}  // namespace tavelo
