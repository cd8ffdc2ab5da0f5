#include "TrendHistory.h"

#include <algorithm>

#include "BarGraphPainter.h"
#include "PanelImage.h"
#include "compiler/GraphLoadDataBase.h"
#include "compiler/ImageRecordLayouts.h"

namespace tavelo {

namespace {

// The compiler keeps the interval at one second or more; a damaged image may not.
constexpr std::int64_t kShortestIntervalSeconds = 1;

}  // namespace

CTrendHistory::CTrendHistory(const CPanelImage& image) {
    for (const CImageScreen& screen : image.GetContents().m_screens)
        for (const CImageRecord& record : screen.m_elements) {
            if (record.m_strKind != RecordKindName(kTrendGraphRecord)) continue;
            CTrend trend;
            trend.m_address = {record.Value("station"), record.Value("unitCode"),
                               record.Value("address")};
            trend.m_nByteCount = record.Value("byteCount");
            trend.m_nAttributes = record.Value("attributes");
            trend.m_nPoints = static_cast<std::size_t>(record.Value("points"));
            trend.m_interval =
                std::chrono::seconds(std::max(record.Value("interval"), kShortestIntervalSeconds));
            m_trends.emplace(record.m_nOffset, std::move(trend));
        }
}

void CTrendHistory::CTrend::Add(double value, std::size_t times) {
    times = std::min(times, m_nPoints);
    m_samples.insert(m_samples.end(), times, value);
    if (m_samples.size() > m_nPoints)
        m_samples.erase(m_samples.begin(), m_samples.begin() + static_cast<std::ptrdiff_t>(
                                                                   m_samples.size() - m_nPoints));
}

void CTrendHistory::Sample(std::chrono::milliseconds now, const IPolledValues& values) {
    for (auto& [offset, trend] : m_trends) {
        std::size_t times = 1;
        if (trend.m_lastSample) {
            if (now < *trend.m_lastSample + trend.m_interval) continue;
            const auto passed = (now - *trend.m_lastSample) / trend.m_interval;
            times = static_cast<std::size_t>(
                std::min<std::int64_t>(passed, static_cast<std::int64_t>(trend.m_nPoints)));
            *trend.m_lastSample += passed * trend.m_interval;
        } else {
            trend.m_lastSample = now;
        }
        trend.Add(CBarGraphPainter::Interpret(values.Read(trend.m_address), trend.m_nByteCount,
                                              trend.m_nAttributes),
                  times);
    }
}

std::span<const double> CTrendHistory::Samples(std::size_t recordOffset) const {
    const auto found = m_trends.find(recordOffset);
    if (found == m_trends.end()) return {};
    return found->second.m_samples;
}

}  // namespace tavelo
