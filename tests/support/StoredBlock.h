#pragma once
// Stores an untagged record through the archive and loads it back, for layout tests.

#include <gtest/gtest.h>

#include <string>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "support/ByteHelpers.h"

namespace tavelo::test {

template <class T>
Bytes StoreBlock(T value, const std::string& fileName = "p.ZORX") {
    CArchive ar(fileName);
    value.Serialize(ar);
    return ar.GetBytes();
}

// Expects the bytes to hold exactly one record.
template <class T>
T LoadBlock(const Bytes& bytes, const std::string& fileName = "p.ZORX") {
    CClassRegistry registry;
    CArchive ar(bytes, fileName, registry);
    T value;
    value.Serialize(ar);
    EXPECT_TRUE(ar.IsAtEnd());
    return value;
}

}  // namespace tavelo::test
