#include "ClassRegistry.h"

namespace tavelo {

void CClassRegistry::Register(const std::string& className, Factory factory) {
    m_factories[className] = std::move(factory);
}

bool CClassRegistry::IsRegistered(const std::string& className) const {
    return m_factories.contains(className);
}

std::unique_ptr<CSerializable> CClassRegistry::Create(const std::string& className) const {
    auto it = m_factories.find(className);
    if (it == m_factories.end()) return nullptr;
    return it->second();
}

}  // namespace tavelo
