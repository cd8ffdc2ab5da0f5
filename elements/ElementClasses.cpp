#include "ElementClasses.h"

#include "model/ClassRegistry.h"

namespace tavelo {

void RegisterElementClasses(CClassRegistry& /*registry*/) {}

}  // namespace tavelo
