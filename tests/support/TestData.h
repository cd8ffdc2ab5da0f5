#pragma once
// Reads expected bytes kept as files under tests/data.

#include <string>

#include "model/FileBytes.h"
#include "support/ByteHelpers.h"

namespace tavelo::test {

inline std::filesystem::path TestDataPath(const std::string& relativePath) {
    return std::filesystem::path(TAVELO_TEST_DATA_DIR) / relativePath;
}

inline Bytes TestDataBytes(const std::string& relativePath) {
    return ReadFileBytes(TestDataPath(relativePath));
}

}  // namespace tavelo::test
