#pragma once
// Reads expected bytes kept as files under tests/data.

#include <string>

#include "model/FileBytes.h"
#include "support/ByteHelpers.h"

namespace tavelo::test {

inline Bytes TestDataBytes(const std::string& relativePath) {
    return ReadFileBytes(std::filesystem::path(TAVELO_TEST_DATA_DIR) / relativePath);
}

}  // namespace tavelo::test
