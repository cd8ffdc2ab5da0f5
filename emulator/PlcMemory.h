#pragma once
// A PLC the emulated panel both reads and writes: what a function key or an entered register
// value changes, the next poll reads back.

#include "PolledValues.h"

namespace tavelo {

class IPlcMemory : public IPolledValues {
public:
    // Stores the value at the address as it stands; a reader takes the bytes its own format
    // names from it.
    virtual void Write(const CPollAddress& address, std::int64_t value) = 0;
};

}  // namespace tavelo
