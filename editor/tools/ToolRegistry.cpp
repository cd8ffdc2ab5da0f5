#include "ToolRegistry.h"

#include "ElementTool.h"
#include "PreviewTracking.h"
#include "SelectTool.h"
#include "StaticBitmapTool.h"
#include "ToolHost.h"
#include "ToolNumber.h"
#include "editor/CanvasGeometry.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"

namespace tavelo {

namespace {

template <typename Text>
CElementTool::Maker TextMaker(bool vector) {
    return [vector] {
        auto text = std::make_unique<Text>();
        if (vector) text->SetVector(true);
        return text;
    };
}

template <typename Element, typename... Args>
CElementTool::Maker Maker(Args... args) {
    return [args...] { return std::make_unique<Element>(args...); };
}

}  // namespace

CToolRegistry::CToolRegistry(CMessenger& messenger) {
    using namespace tool_number;
    m_tools.push_back(std::make_unique<CSelectTool>());
    const auto add = [this](int number, CElementTool::Maker maker) {
        m_tools.push_back(std::make_unique<CElementTool>(number, std::move(maker)));
    };
    add(kVectorStaticText, TextMaker<CStaticText>(true));
    add(kStaticText, TextMaker<CStaticText>(false));
    add(kVectorDynamicText, TextMaker<CDynamicText>(true));
    add(kDynamicText, TextMaker<CDynamicText>(false));
    m_tools.push_back(std::make_unique<CStaticBitmapTool>(messenger));
    add(kIndicator, Maker<CIndicator>());
    add(kRegister, Maker<CRegister>());
    add(kBarGraph, Maker<CTrendBar>(CTrendBar::kBarGraph));
    add(kTrendGraph, Maker<CTrendBar>(CTrendBar::kTrendGraph));
    add(kFunctionKey, Maker<CFunctionKey>());
}

CTool* CToolRegistry::Find(int number) const {
    for (const auto& tool : m_tools)
        if (tool->GetNumber() == number) return tool.get();
    return nullptr;
}

CTool* CToolRegistry::CurrentTool(CToolHost& host) const {
    return Find(host.GetViewState().GetCurrentTool());
}

void CToolRegistry::OnLeftPress(CToolHost& host, CPoint client, bool shift) {
    if (!IsInCanvasHitArea(client)) return;
    if (CTool* tool = CurrentTool(host)) tool->Press(host, {client, shift});
    CViewState& view = host.GetViewState();
    if (view.GetPreview().m_bOn) {
        view.GetPreview().m_bOn = false;
        view.NotifyCanvasChanged();
    }
}

void CToolRegistry::OnLeftRelease(CToolHost& host, CPoint client, bool shift) {
    if (CTool* tool = CurrentTool(host)) tool->Release(host, {client, shift});
}

void CToolRegistry::OnMove(CToolHost& host, CPoint client, bool shift) {
    if (!IsInCanvasHitArea(client)) return;
    if (CTool* tool = CurrentTool(host)) tool->Move(host, {client, shift});
    CViewState& view = host.GetViewState();
    if (view.GetPreview().m_bOn) {
        TrackPreview(view.GetPreview(), client);
        view.NotifyCanvasChanged();
    }
}

void CToolRegistry::OnRightRelease(CToolHost& host) {
    CViewState& view = host.GetViewState();
    view.GetPreview().m_bOn = false;
    view.ClearSelection();
    view.SetCurrentTool(tool_number::kSelect);
    view.NotifyCanvasChanged();
}

}  // namespace tavelo
