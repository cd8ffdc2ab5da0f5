#include "SelectTool.h"

#include "ToolHost.h"
#include "ToolNumber.h"
#include "editor/CanvasGeometry.h"
#include "model/TaveloDoc.h"

namespace tavelo {

CSelectTool::CSelectTool() : CTool(tool_number::kSelect) {}

void CSelectTool::Press(CToolHost& host, const CToolEvent& event) {
    CViewState& view = host.GetViewState();
    CGraphObj* element = view.GetDoc().ElementAt(ClientToCanvas(event.m_ptClient), view);
    if (element) StartMove(host, *element, event.m_bShift);
    CTool::Press(host, event);
    if (!element) StartBand(host, event.m_bShift);
}

void CSelectTool::Move(CToolHost& host, const CToolEvent& event) {
    if (m_bButtonDown) {
        if (m_eDragMode == EDragMode::kBand) UpdateBand(host, event.m_ptClient);
        if (m_eDragMode == EDragMode::kMove) UpdateMove(host, event.m_ptClient);
    } else if (!host.HasCapture()) {
        m_ptDown = event.m_ptClient;
    }
    CTool::Move(host, event);
}

void CSelectTool::Release(CToolHost& host, const CToolEvent& event) {
    if (host.HasCapture()) {
        if (m_eDragMode == EDragMode::kBand) FinishBand(host);
        m_eDragMode = EDragMode::kNone;
    }
    CTool::Release(host, event);
}

void CSelectTool::StartMove(CToolHost& host, CGraphObj& element, bool add) {
    m_eDragMode = EDragMode::kMove;
    host.SetCursorShape(ECursorShape::kSizeAll);
    // A press on a selected element keeps the selection, so a group can be dragged.
    CViewState& view = host.GetViewState();
    if (!view.IsInSelection(&element)) view.Select(&element, add);
}

void CSelectTool::UpdateMove(CToolHost& host, CPoint client) {
    host.SetCursorShape(ECursorShape::kSizeAll);
    const CPoint from = ClientToCanvas(m_ptLast);
    const CPoint to = ClientToCanvas(client);
    const std::int32_t dx = to.x - from.x;
    const std::int32_t dy = to.y - from.y;
    // Whole steps only; the remainders stay pending until a later move completes them.
    if (dx % kSnapStep != 0 && dy % kSnapStep != 0) return;
    const std::int32_t stepX = dx - dx % kSnapStep;
    const std::int32_t stepY = dy - dy % kSnapStep;
    if (stepX != 0 || stepY != 0) {
        host.GetViewState().MoveSelection(stepX, stepY);
        host.RefreshPanels();
    }
    m_ptLast = {client.x - dx % kSnapStep, client.y - dy % kSnapStep};
}

void CSelectTool::StartBand(CToolHost& host, bool add) {
    CViewState& view = host.GetViewState();
    if (!add && !view.GetSelection().empty()) {
        view.ClearSelection();
        view.NotifyCanvasChanged();
    }
    m_eDragMode = EDragMode::kBand;
    // The band starts empty: a click without a drag must not select what lies beside the
    // snapped point.
    m_ptMove = m_ptDown;
    host.SetBand(CRect{m_ptDown.x, m_ptDown.y, m_ptDown.x, m_ptDown.y});
}

void CSelectTool::UpdateBand(CToolHost& host, CPoint client) {
    host.SetBand(CRect{m_ptDown.x, m_ptDown.y, client.x, client.y}.Normalized());
}

void CSelectTool::FinishBand(CToolHost& host) {
    host.SetBand(std::nullopt);
    if (m_ptMove == m_ptDown) return;
    const CPoint from = ClientToCanvas(m_ptDown);
    const CPoint to = ClientToCanvas(m_ptMove);
    host.GetViewState().SelectInBand(CRect{from.x, from.y, to.x, to.y}.Normalized(), true);
}

}  // namespace tavelo
