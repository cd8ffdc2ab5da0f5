#include "ReapplyPanels.h"

#include "ElementCast.h"
#include "elements/DynamicBitmapPanelForm.h"
#include "elements/DynamicTextPanelForm.h"
#include "elements/FunctionKeyPanelForm.h"
#include "elements/IndicatorPanelForm.h"
#include "elements/RegisterPanelForm.h"
#include "elements/StaticBitmapPanelForm.h"
#include "elements/TextPanelForm.h"
#include "elements/TrendBarPanelForm.h"
#include "elements/VectorDynamicTextPanelForm.h"
#include "elements/VectorTextPanelForm.h"
#include "model/TaveloDoc.h"

namespace tavelo {

namespace {

// One panel of each kind, as the editor keeps them while a project is open.
struct CPanels {
    explicit CPanels(const CAppState& state)
        : text(state),
          vectorText(state),
          dynamicText(state),
          vectorDynamicText(state),
          reg(state),
          indicator(state),
          functionKey(state),
          trendBar(state),
          staticBitmap(state),
          dynamicBitmap(state) {}

    CTextPanelForm text;
    CVectorTextPanelForm vectorText;
    CDynamicTextPanelForm dynamicText;
    CVectorDynamicTextPanelForm vectorDynamicText;
    CRegisterPanelForm reg;
    CIndicatorPanelForm indicator;
    CFunctionKeyPanelForm functionKey;
    CTrendBarPanelForm trendBar;
    CStaticBitmapPanelForm staticBitmap;
    CDynamicBitmapPanelForm dynamicBitmap;
};

void Reapply(CGraphObj& element, CPanels& panels) {
    if (auto* text = ElementAs<CStaticText>(element)) {
        if (text->IsVector())
            panels.vectorText.SetObject(text);
        else
            panels.text.SetObject(text);
    } else if (auto* text = ElementAs<CDynamicText>(element)) {
        if (text->IsVector())
            panels.vectorDynamicText.SetObject(text);
        else
            panels.dynamicText.SetObject(text);
    } else if (auto* reg = ElementAs<CRegister>(element)) {
        panels.reg.SetObject(reg);
    } else if (auto* lamp = ElementAs<CIndicator>(element)) {
        panels.indicator.SetObject(lamp);
    } else if (auto* key = ElementAs<CFunctionKey>(element)) {
        panels.functionKey.SetObject(key);
    } else if (auto* graph = ElementAs<CTrendBar>(element)) {
        panels.trendBar.SetObject(graph);
    } else if (auto* bitmap = ElementAs<CStaticBitmap>(element)) {
        panels.staticBitmap.SetObject(bitmap);
    } else if (auto* bitmap = ElementAs<CDynamicBitmap>(element)) {
        panels.dynamicBitmap.SetObject(bitmap);
    }
}

}  // namespace

void ReapplyPanels(CTaveloDoc& doc, const CAppState& state) {
    CPanels panels(state);
    const bool wasModified = doc.IsModified();
    for (const auto& element : doc.GetElements()) Reapply(*element, panels);
    doc.SetModified(wasModified);
}

}  // namespace tavelo
