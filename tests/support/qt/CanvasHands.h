#pragma once
// The user's hands on the main window's canvas: placing an element with a drawing tool and
// pressing on an element, with real pointer events at the canvas's zoom.

#include <QAction>
#include <QTest>

#include "app/MainFrame.h"
#include "editor/CanvasGeometry.h"
#include "editor/TaveloView.h"
#include "editor/canvas/CanvasWidget.h"
#include "model/GraphObj.h"

namespace tavelo::test {

// The canvas pixel of a client point.
inline QPoint At(CTaveloView& view, CPoint client) {
    const CPoint pixel = view.GetCanvas().GetZoom().ClientToWidget(client);
    return {pixel.x, pixel.y};
}

// Chooses the tool through its 绘制 menu entry and clicks the canvas; the placed element.
inline CGraphObj* PlaceWithTool(CMainFrame& frame, const char16_t* menuText, CPoint client) {
    CTaveloView& view = frame.GetView();
    frame.FindAction(QString::fromUtf16(menuText))->trigger();
    QTest::mouseMove(&view.GetCanvas(), At(view, client));
    QTest::mouseClick(&view.GetCanvas(), Qt::LeftButton, {}, At(view, client));
    // Elements take their size when first drawn, as they do on screen before the next click.
    view.repaint();
    const auto& selection = view.GetViewState().GetSelection();
    return selection.size() == 1 ? selection.front() : nullptr;
}

// A point inside the element, near its top-left corner, moved by the canvas units given.
inline QPoint Grip(CTaveloView& view, const CGraphObj& element, CPoint by = {0, 0}) {
    const CPoint corner = element.GetPosition().TopLeft();
    return At(view, CanvasToClient({corner.x + 9 + by.x, corner.y + 9 + by.y}));
}

}  // namespace tavelo::test
