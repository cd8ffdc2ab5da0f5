#pragma once
// The room the layout gives the canvas: scrolls a canvas larger than the room and, until the
// user chooses a zoom, keeps the largest zoom that fits.

#include <QScrollArea>

namespace tavelo {

class CCanvasWidget;

class CCanvasArea : public QScrollArea {
    Q_OBJECT
public:
    CCanvasArea(CCanvasWidget* canvas, QWidget* parent = nullptr);

    CCanvasWidget& GetCanvas() const { return *m_pCanvas; }
    // A zoom the user chose; it stays when the room changes.
    void SetZoom(int pixelsPerDot);
    // Back to the largest zoom that fits, following the room from now on.
    void ZoomToFit();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    CCanvasWidget* m_pCanvas;
    bool m_bFitting = true;
};

}  // namespace tavelo
