#include "Tool.h"

#include "ToolHost.h"
#include "editor/CanvasGeometry.h"

namespace tavelo {

CPoint CTool::SnapToGrid(CPoint client) {
    const CPoint canvas = ClientToCanvas(client);
    // The remainder keeps the dividend's sign, so negative coordinates move up to zero too.
    return CanvasToClient({canvas.x - canvas.x % kSnapStep, canvas.y - canvas.y % kSnapStep});
}

void CTool::Press(CToolHost& host, const CToolEvent& event) {
    m_bButtonDown = true;
    m_ptDown = SnapToGrid(event.m_ptClient);
    m_ptLast = m_ptDown;
    host.CapturePointer();
}

void CTool::Release(CToolHost& host, const CToolEvent& /*event*/) {
    m_bButtonDown = false;
    host.SetCursorShape(ECursorShape::kArrow);
    host.ReleasePointer();
}

void CTool::Move(CToolHost& /*host*/, const CToolEvent& event) {
    m_ptMove = event.m_ptClient;
}

}  // namespace tavelo
