#pragma once
// Registers the serialisable classes of the model library with a class registry.

namespace tavelo {

class CClassRegistry;

void RegisterModelClasses(CClassRegistry& registry);

}  // namespace tavelo
