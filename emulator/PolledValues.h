#pragma once
// Where the renderer gets the PLC values a screen shows: the raw contents of the registers (or
// the bit) at an address, which the element's own format then reads. The address is the one
// the image's records carry: for a bit unit the linear address already names the bit.

#include <compare>
#include <cstdint>

namespace tavelo {

struct CPollAddress {
    std::int64_t m_nStation = 0;
    std::int64_t m_nUnitCode = 0;
    std::int64_t m_nAddress = 0;

    auto operator<=>(const CPollAddress&) const = default;
};

class IPolledValues {
public:
    virtual ~IPolledValues() = default;
    // The contents at the address as an unsigned number; an address the source does not hold
    // reads 0.
    virtual std::int64_t Read(const CPollAddress& address) const = 0;
};

}  // namespace tavelo
