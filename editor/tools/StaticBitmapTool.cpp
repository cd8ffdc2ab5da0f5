#include "StaticBitmapTool.h"

#include "BitmapPlacement.h"
#include "ToolHost.h"
#include "ToolNumber.h"
#include "editor/EditorTexts.h"
#include "editor/Messenger.h"
#include "editor/QtText.h"
#include "elements/StaticBitmap.h"
#include "model/AppState.h"

namespace tavelo {

CStaticBitmapTool::CStaticBitmapTool(CMessenger& messenger)
    : CElementTool(tool_number::kStaticBitmap, nullptr), m_messenger(messenger) {}

std::unique_ptr<CGraphObj> CStaticBitmapTool::MakeElementAt(CToolHost& host, CPoint canvas) {
    const CViewState& view = host.GetViewState();
    if (view.m_strBitmapPath.empty()) return nullptr;
    // The file may have changed since the command measured it.
    const CBitmapImport import = ImportPlaceableBitmap(view.m_strBitmapPath);
    if (!import.m_bitmap) {
        m_messenger.Show(nullptr, ShownText(editor_text::kMessageCaption),
                         ShownText(import.m_strMessage), CMessenger::EIcon::kWarning);
        return nullptr;
    }
    auto element = std::make_unique<CStaticBitmap>(*import.m_bitmap, view.m_strBitmapPath);
    element->MoveKeepingSize(CRectObj::ECorner::TopLeft, canvas.x, canvas.y);
    return element;
}

}  // namespace tavelo
