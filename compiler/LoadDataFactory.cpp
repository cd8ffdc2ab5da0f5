#include "LoadDataFactory.h"

#include "DynamicBitmapLoadData.h"
#include "DynamicTextLoadData.h"
#include "ElementCast.h"
#include "FunctionKeyLoadData.h"
#include "HistogramLoadData.h"
#include "IdicatorLoadData.h"
#include "ImageLibraries.h"
#include "RegisterLoadData.h"
#include "StaticBitmapLoadData.h"
#include "StaticTextLoadData.h"
#include "TrendBarLoadData.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/ElementPanelRules.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"

namespace tavelo {

namespace {

template <class Encoder, class... Args>
std::unique_ptr<CGraphLoadDataBase> Encode(Args&&... args) {
    auto encoder = std::make_unique<Encoder>();
    encoder->Compute(std::forward<Args>(args)...);
    return encoder;
}

}  // namespace

std::unique_ptr<CGraphLoadDataBase> CreateLoadData(const CGraphObj& element,
                                                   const CImageLibraries& libraries,
                                                   const CAppState& state,
                                                   std::vector<std::u16string>& notes) {
    if (const auto* text = ElementAs<CStaticText>(element))
        return Encode<CStaticTextLoadData>(*text, libraries);
    if (const auto* key = ElementAs<CFunctionKey>(element))
        return Encode<CFunctionKeyLoadData>(*key, libraries);
    if (const auto* bitmap = ElementAs<CStaticBitmap>(element))
        return Encode<CStaticBitmapLoadData>(*bitmap, libraries.m_bitmaps);
    if (const auto* reg = ElementAs<CRegister>(element))
        return Encode<CRegisterLoadData>(*reg, IsFloatOffered(state));
    if (const auto* lamp = ElementAs<CIndicator>(element))
        return Encode<CIdicatorLoadData>(*lamp, libraries);
    if (const auto* graph = ElementAs<CTrendBar>(element)) {
        if (graph->GetShape() == CTrendBar::kBarGraph) return Encode<CHistogramLoadData>(*graph);
        return Encode<CTrendBarLoadData>(*graph);
    }
    if (const auto* text = ElementAs<CDynamicText>(element))
        return Encode<CDynamicTextLoadData>(*text, libraries, notes);
    if (const auto* bitmap = ElementAs<CDynamicBitmap>(element))
        return Encode<CDynamicBitmapLoadData>(*bitmap, libraries.m_bitmaps, notes);
    return nullptr;
}

}  // namespace tavelo
