#pragma once
// A values file for the virtual PLC that cannot be read, with where and why.

#include <stdexcept>

namespace tavelo {

class CValuesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tavelo
