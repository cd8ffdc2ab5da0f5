#pragma once
// The range a dialog's spin button steps through; typed values may still leave it.

#include <cstdint>

namespace tavelo {

struct CSpinRange {
    std::int32_t m_nLow = 0;
    std::int32_t m_nHigh = 0;

    bool operator==(const CSpinRange&) const = default;
};

}  // namespace tavelo
