#pragma once
// Stores an element's body and loads one back, and reads the bodies kept under tests/data.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/GraphObj.h"
#include "support/ByteHelpers.h"
#include "support/TestData.h"

namespace tavelo::test {

inline Bytes StoreBody(CGraphObj& element, const std::string& fileName = "p.ZORX") {
    CArchive ar(fileName);
    element.Serialize(ar);
    return ar.GetBytes();
}

inline Bytes BodyFile(const std::string& name) {
    return TestDataBytes("elements/" + name);
}

// Expects the bytes to hold exactly one body.
template <class T>
std::unique_ptr<T> LoadBody(const Bytes& bytes, const std::string& fileName = "p.ZORX") {
    CClassRegistry registry;
    CArchive ar(bytes, fileName, registry);
    auto element = std::make_unique<T>();
    element->Serialize(ar);
    EXPECT_TRUE(ar.IsAtEnd());
    return element;
}

}  // namespace tavelo::test
