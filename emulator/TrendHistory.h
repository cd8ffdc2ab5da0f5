#pragma once
// The samples the panel keeps for the trend graphs of an image: per trend record the last
// `points` values, one taken every `interval` seconds of a clock the caller runs (no waiting).
// Every trend of every screen samples, so a screen shows its history when it is entered.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "PolledValues.h"

namespace tavelo {

class CPanelImage;

class CTrendHistory {
public:
    explicit CTrendHistory(const CPanelImage& image);

    // The first call samples every trend; later ones each trend whose interval has passed since
    // its last sample, once per whole interval passed (at most `points` times), keeping the
    // samples on the interval's grid. A clock that goes back samples nothing until it is
    // an interval after its last sample.
    void Sample(std::chrono::milliseconds now, const IPolledValues& values);

    // The values of the trend record at that image offset, oldest first; empty for any other.
    std::span<const double> Samples(std::size_t recordOffset) const;

private:
    struct CTrend {
        CPollAddress m_address;
        std::int64_t m_nByteCount = 0;
        std::int64_t m_nAttributes = 0;
        std::size_t m_nPoints = 0;
        std::chrono::milliseconds m_interval{0};
        std::optional<std::chrono::milliseconds> m_lastSample;
        std::vector<double> m_samples;

        void Add(double value, std::size_t times);
    };

    std::map<std::size_t, CTrend> m_trends;
};

}  // namespace tavelo
