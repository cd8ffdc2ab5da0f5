#pragma once
// Registers the serialisable element classes with a class registry.

namespace tavelo {

class CClassRegistry;

void RegisterElementClasses(CClassRegistry& registry);

}  // namespace tavelo
