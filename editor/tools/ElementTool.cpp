#include "ElementTool.h"

#include "PreviewTracking.h"
#include "ToolHost.h"
#include "ToolNumber.h"
#include "model/GraphObj.h"

namespace tavelo {

void CElementTool::Press(CToolHost& host, const CToolEvent& event) {
    CTool::Press(host, event);
    CViewState& view = host.GetViewState();
    // The corner the preview shows for this point.
    const CPoint corner = PlacementCorner(view.GetPreview().m_sizeDots, event.m_ptClient);
    std::unique_ptr<CGraphObj> element = MakeElementAt(host, corner);
    if (element) {
        std::vector<std::unique_ptr<CGraphObj>> placed;
        placed.push_back(std::move(element));
        view.AddElements(std::move(placed));
    }
    // With nothing placed the tool could only fail again, so the select tool takes over too.
    view.SetCurrentTool(tool_number::kSelect);
}

std::unique_ptr<CGraphObj> CElementTool::MakeElementAt(CToolHost& /*host*/, CPoint canvas) {
    std::unique_ptr<CGraphObj> element = m_maker();
    // The kind works out its size from this corner at its first drawing.
    element->SetTopLeft(canvas.x, canvas.y);
    return element;
}

}  // namespace tavelo
