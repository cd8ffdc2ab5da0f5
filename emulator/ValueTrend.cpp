#include "ValueTrend.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavelo {

std::int64_t CValueTrend::At(std::chrono::milliseconds time, std::mt19937& random) const {
    const std::int64_t low = std::min(m_nLow, m_nHigh);
    const std::int64_t high = std::max(m_nLow, m_nHigh);
    const std::int64_t period = std::max<std::int64_t>(m_period.count(), 1);
    const double phase = static_cast<double>(time.count() % period) / static_cast<double>(period);
    const double span = static_cast<double>(high - low);
    switch (m_eShape) {
        case ETrendShape::Ramp:
            return low + static_cast<std::int64_t>(std::floor(phase * (span + 1)));
        case ETrendShape::Sine:
            return low + std::llround(span * (1 + std::sin(2 * std::numbers::pi * phase)) / 2);
        case ETrendShape::Random:
            break;
    }
    return std::uniform_int_distribution<std::int64_t>(low, high)(random);
}

}  // namespace tavelo
