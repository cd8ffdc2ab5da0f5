#include "ElementNames.h"

#include "CheckMessages.h"
#include "compiler/ElementCast.h"
#include "compiler/GraphLoadDataBase.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace cm = check_messages;

std::u16string ElementKindName(const CGraphObj& element) {
    if (const auto* text = ElementAs<CStaticText>(element))
        return text->IsVector() ? cm::kVectorText : cm::kStaticText;
    if (const auto* graph = ElementAs<CTrendBar>(element))
        return graph->IsTrendGraph() ? cm::kTrendGraph : cm::kBarGraph;
    if (ElementAs<CDynamicText>(element)) return cm::kDynamicText;
    if (ElementAs<CRegister>(element)) return cm::kRegister;
    if (ElementAs<CIndicator>(element)) return cm::kIndicator;
    if (ElementAs<CFunctionKey>(element)) return cm::kFunctionKey;
    if (ElementAs<CStaticBitmap>(element)) return cm::kStaticBitmap;
    if (ElementAs<CDynamicBitmap>(element)) return cm::kDynamicBitmap;
    return cm::kOtherElement;
}

CPoint ElementDots(const CGraphObj& element) {
    const auto* shape = dynamic_cast<const CRectObj*>(&element);
    return shape ? RecordPosition(*shape) : CPoint{};
}

CComposedMessage DescribeElement(const CGraphObj& element) {
    const CPoint dots = ElementDots(element);
    return CComposedMessage(FormatMessage(cm::kElementAt, element.m_nScreenNo, dots.x, dots.y))
        .Add(ElementKindName(element));
}

}  // namespace tavelo
