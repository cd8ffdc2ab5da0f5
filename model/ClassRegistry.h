#pragma once
// Makes empty serialisable objects by class name, as the archive reader needs them.
// Each library fills it through an explicit Register…() call.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Serializable.h"

namespace tavelo {

class CClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<CSerializable>()>;

    void Register(const std::string& className, Factory factory);

    template <class T>
    void Register(const std::string& className) {
        Register(className, [] { return std::make_unique<T>(); });
    }

    bool IsRegistered(const std::string& className) const;
    // Null when the class is unknown.
    std::unique_ptr<CSerializable> Create(const std::string& className) const;

private:
    std::map<std::string, Factory> m_factories;
};

}  // namespace tavelo
