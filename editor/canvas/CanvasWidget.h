#pragma once
// The canvas: shows the current screen at the zoom, as the elements' previews or as the panel's
// own dots, and hands the pointer to the tools in client points, so their rules in canvas units
// hold at every zoom.

#include <QWidget>
#include <optional>

#include "CanvasPainter.h"
#include "CanvasZoom.h"
#include "DotTrueScreen.h"

namespace tavelo {

class CToolHost;
class CToolRegistry;
class CViewState;
struct CEditorContext;

class CCanvasWidget : public QWidget {
    Q_OBJECT
public:
    CCanvasWidget(const CEditorContext& context, CViewState& view, CToolRegistry& tools,
                  CToolHost& host, QWidget* parent = nullptr);

    const CCanvasZoom& GetZoom() const { return m_zoom; }
    void SetZoom(int pixelsPerDot);
    void SetDotTrue(bool dotTrue);
    // The project or what the canvas shows of it changed: the dots are compiled anew and the
    // canvas drawn again.
    void ProjectChanged();
    void SetBand(const std::optional<CRect>& clientBand);
    // The compiler's message while the dots cannot be shown, else empty.
    QString GetDotTrueError() const;

    QSize sizeHint() const override;

signals:
    void ZoomChanged(int pixelsPerDot);
    // Ctrl+wheel asks for one step more or less.
    void ZoomStepRequested(int steps);
    // The dot under the pointer, none when it left the display.
    void PointerMoved(std::optional<QPoint> dot);
    void LeftPressed();
    // A press or release was handled: a placement is done with the press, a drag with the
    // release.
    void PointerStepEnded();
    // After each paint: drawing may have sized or moved elements.
    void Painted();
    // The compiler's message when the dots fall back to the previews, empty when they show.
    void DotTrueErrorChanged(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CPoint ClientPoint(const QMouseEvent* event) const;
    const CLcdFrame* CurrentDots();

    CViewState& m_view;
    CToolRegistry& m_tools;
    CToolHost& m_host;
    CCanvasZoom m_zoom;
    CCanvasPainter m_painter;
    CDotTrueScreen m_dotTrue;
    bool m_bDotTrue = false;
    QString m_strDotTrueError;
    std::optional<CRect> m_band;
};

}  // namespace tavelo
