#include "TrendGraphPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "BarGraphPainter.h"
#include "GraphBox.h"
#include "LcdFrame.h"
#include "compiler/ImageContents.h"

namespace tavelo {

namespace {

struct CDot {
    std::int32_t m_nX = 0;
    std::int32_t m_nY = 0;
};

// Every dot of the straight line between the two, both ends included.
void DrawLine(CLcdFrame& frame, CDot from, CDot to) {
    const std::int32_t dx = std::abs(to.m_nX - from.m_nX);
    const std::int32_t dy = -std::abs(to.m_nY - from.m_nY);
    const std::int32_t stepX = from.m_nX < to.m_nX ? 1 : -1;
    const std::int32_t stepY = from.m_nY < to.m_nY ? 1 : -1;
    std::int32_t error = dx + dy;
    for (;;) {
        frame.Set(from.m_nX, from.m_nY, true);
        if (from.m_nX == to.m_nX && from.m_nY == to.m_nY) return;
        const std::int32_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            from.m_nX += stepX;
        }
        if (twice <= dx) {
            error += dx;
            from.m_nY += stepY;
        }
    }
}

}  // namespace

void CTrendGraphPainter::Draw(const CImageRecord& record, std::span<const double> samples,
                              CLcdFrame& frame) {
    const auto [x, y, width, height] = CGraphBox::FromRecord(record);
    frame.Fill(x, y, width, height, false);
    frame.Fill(x, y, 1, height, true);
    frame.Fill(x, y + height - 1, width, 1, true);
    // The curve runs right of the left axis and above the bottom one.
    const std::int32_t plotWidth = width - 1;
    const std::int32_t plotHeight = height - 1;
    const auto points = static_cast<std::size_t>(record.Value("points"));
    if (plotWidth < 1 || plotHeight < 1 || points == 0) return;
    if (samples.size() > points) samples = samples.last(points);
    const auto zero = static_cast<double>(record.Value("zeroScale"));
    const auto full = static_cast<double>(record.Value("fullScale"));
    const auto steps = static_cast<std::int64_t>(std::max<std::size_t>(points - 1, 1));
    CDot previous;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double fraction = CBarGraphPainter::Fraction(samples[i], zero, full);
        const CDot dot{
            x + 1 +
                static_cast<std::int32_t>(static_cast<std::int64_t>(i) * (plotWidth - 1) / steps),
            y + plotHeight - 1 -
                static_cast<std::int32_t>(std::lround(fraction * (plotHeight - 1)))};
        DrawLine(frame, i == 0 ? dot : previous, dot);
        previous = dot;
    }
}

}  // namespace tavelo
