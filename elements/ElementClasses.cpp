#include "ElementClasses.h"

#include "RectObj.h"
#include "model/ClassRegistry.h"

namespace tavelo {

void RegisterElementClasses(CClassRegistry& registry) {
    registry.Register<CRectObj>(CRectObj::kClassName);
}

}  // namespace tavelo
