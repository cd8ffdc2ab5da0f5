#include "ElementClasses.h"

#include "DynamicBitmap.h"
#include "DynamicText.h"
#include "FunctionKey.h"
#include "Indicator.h"
#include "RectObj.h"
#include "Register.h"
#include "StaticBitmap.h"
#include "StaticText.h"
#include "TrendBar.h"
#include "model/ClassRegistry.h"

namespace tavelo {

void RegisterElementClasses(CClassRegistry& registry) {
    registry.Register<CRectObj>(CRectObj::kClassName);
    registry.Register<CStaticText>(CStaticText::kClassName);
    registry.Register<CDynamicText>(CDynamicText::kClassName);
    registry.Register<CRegister>(CRegister::kClassName);
    registry.Register<CIndicator>(CIndicator::kClassName);
    registry.Register<CFunctionKey>(CFunctionKey::kClassName);
    registry.Register<CTrendBar>(CTrendBar::kClassName);
    registry.Register<CStaticBitmap>(CStaticBitmap::kClassName);
    registry.Register<CDynamicBitmap>(CDynamicBitmap::kClassName);
}

}  // namespace tavelo
