#pragma once
// A stored screen element for file tests: the base fields followed by a PLC address record,
// under whatever class name a test registers it as.

#include <memory>
#include <string>

#include "model/ClassRegistry.h"
#include "model/GraphObj.h"
#include "model/RegisterUnit.h"

namespace tavelo::test {

class StoredTestElement : public CGraphObj {
public:
    explicit StoredTestElement(std::string className, const CRect& position = {})
        : CGraphObj(position), m_strClassName(std::move(className)) {}

    std::string GetClassName() const override { return m_strClassName; }
    void Serialize(CArchive& ar) override {
        SerializeBase(ar);
        m_address.Serialize(ar);
    }

    CRegisterUnit m_address;

private:
    std::string m_strClassName;
};

// Registers the test element under the given class names.
inline void RegisterStoredTestElements(CClassRegistry& registry,
                                       std::initializer_list<const char*> classNames) {
    for (const char* name : classNames)
        registry.Register(name, [name] { return std::make_unique<StoredTestElement>(name); });
}

}  // namespace tavelo::test
