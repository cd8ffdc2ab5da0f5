#pragma once
// The PLC the emulator runs against: the values the panel polls and the ones its keys and
// entries write, kept by the address the image's records carry.

#include <cstdint>
#include <map>

#include "PlcMemory.h"

namespace tavelo {

class CVirtualPlc : public IPlcMemory {
public:
    // What the image's records can name: a one-byte station and unit code, a 16-bit address.
    static constexpr std::int64_t kMaxStation = 0xFF;
    static constexpr std::int64_t kMaxUnitCode = 0xFF;
    static constexpr std::int64_t kMaxAddress = 0xFFFF;

    std::int64_t Read(const CPollAddress& address) const override;
    void Write(const CPollAddress& address, std::int64_t value) override;

    bool Holds(const CPollAddress& address) const { return m_values.contains(address); }
    // Every value written, in address order.
    const std::map<CPollAddress, std::int64_t>& GetValues() const { return m_values; }

private:
    std::map<CPollAddress, std::int64_t> m_values;
};

}  // namespace tavelo
