#pragma once
// The user's hands on the main window's canvas: placing an element with a drawing tool and
// pressing on an element, with real pointer events.

#include <QAction>
#include <QTest>

#include "app/MainFrame.h"
#include "editor/CanvasGeometry.h"
#include "editor/TaveloView.h"
#include "model/GraphObj.h"

namespace tavelo::test {

inline QPoint At(CPoint client) {
    return {client.x, client.y};
}

// Chooses the tool through its 绘制 menu entry and clicks the canvas; the placed element.
inline CGraphObj* PlaceWithTool(CMainFrame& frame, const char16_t* menuText, CPoint client) {
    CTaveloView& view = frame.GetView();
    frame.FindAction(QString::fromUtf16(menuText))->trigger();
    QTest::mouseMove(&view, At(client));
    QTest::mouseClick(&view, Qt::LeftButton, {}, At(client));
    // Elements take their size when first drawn, as they do on screen before the next click.
    view.repaint();
    const auto& selection = view.GetViewState().GetSelection();
    return selection.size() == 1 ? selection.front() : nullptr;
}

// A point inside the element, near its top-left corner.
inline QPoint Grip(const CGraphObj& element) {
    const CPoint corner = element.GetPosition().TopLeft();
    return At(CanvasToClient({corner.x + 9, corner.y + 9}));
}

}  // namespace tavelo::test
