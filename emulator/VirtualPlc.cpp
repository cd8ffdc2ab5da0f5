#include "VirtualPlc.h"

namespace tavelo {

std::int64_t CVirtualPlc::Read(const CPollAddress& address) const {
    const auto found = m_values.find(address);
    return found == m_values.end() ? 0 : found->second;
}

void CVirtualPlc::Write(const CPollAddress& address, std::int64_t value) {
    m_values[address] = value;
}

}  // namespace tavelo
