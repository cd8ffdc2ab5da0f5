#pragma once
// A value that moves by itself, so graphs and alarms can be watched without a PLC: a ramp from
// the low to the high value and over again, a sine between them, or random values in between,
// each going round once per period.

#include <chrono>
#include <cstdint>
#include <random>

namespace tavelo {

enum class ETrendShape { Ramp, Sine, Random };

struct CValueTrend {
    ETrendShape m_eShape = ETrendShape::Ramp;
    std::int64_t m_nLow = 0;
    std::int64_t m_nHigh = 100;
    std::chrono::milliseconds m_period{10'000};

    // The value at the time since the trend started; random draws from the caller's engine.
    std::int64_t At(std::chrono::milliseconds time, std::mt19937& random) const;
};

}  // namespace tavelo
