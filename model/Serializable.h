#pragma once
// Base of every class that the object archive can store and create by class name.

#include <string>

namespace tavelo {

class CArchive;

class CSerializable {
public:
    virtual ~CSerializable() = default;

    // The name written into the archive's class tag; the registry creates objects by it.
    virtual std::string GetRuntimeClassName() const = 0;
    virtual void Serialize(CArchive& ar) = 0;

    // Lets value-like derived records default their own comparison.
    bool operator==(const CSerializable&) const = default;
};

}  // namespace tavelo
