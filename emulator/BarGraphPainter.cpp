#include "BarGraphPainter.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "GraphBox.h"
#include "LcdFrame.h"
#include "compiler/ImageContents.h"

namespace tavelo {

namespace {

constexpr std::int64_t kLargestByteCount = 8;
constexpr std::int64_t kFloatBytes = 4;

}  // namespace

double CBarGraphPainter::Interpret(std::int64_t contents, std::int64_t byteCount,
                                   std::int64_t attributes) {
    const std::int64_t bits = 8 * std::clamp<std::int64_t>(byteCount, 1, kLargestByteCount);
    auto raw = static_cast<std::uint64_t>(contents);
    if (bits < 64) raw &= (std::uint64_t{1} << bits) - 1;
    if (attributes & kFloatBit)
        return byteCount == kFloatBytes ? std::bit_cast<float>(static_cast<std::uint32_t>(raw))
                                        : std::numeric_limits<double>::quiet_NaN();
    const bool isSigned = (attributes & kDecimalBit) && (attributes & kSignedBit);
    if (isSigned && bits < 64 && (raw >> (bits - 1)) != 0) raw |= ~std::uint64_t{0} << bits;
    return isSigned ? static_cast<double>(static_cast<std::int64_t>(raw))
                    : static_cast<double>(raw);
}

double CBarGraphPainter::Fraction(double value, double zero, double full) {
    if (std::isnan(value)) return 0;
    if (full == zero) return value >= full ? 1 : 0;
    return std::clamp((value - zero) / (full - zero), 0.0, 1.0);
}

void CBarGraphPainter::Draw(const CImageRecord& record, const IPolledValues& values,
                            CLcdFrame& frame) {
    const auto [x, y, width, height] = CGraphBox::FromRecord(record);
    frame.Fill(x, y, width, height, true);
    frame.Fill(x + 1, y + 1, width - 2, height - 2, false);
    const double value = Interpret(
        values.Read({record.Value("station"), record.Value("unitCode"), record.Value("address")}),
        record.Value("byteCount"), record.Value("attributes"));
    const double fraction = Fraction(value, static_cast<double>(record.Value("zeroScale")),
                                     static_cast<double>(record.Value("fullScale")));
    const std::int32_t innerWidth = std::max(width - 2, 0);
    const std::int32_t innerHeight = std::max(height - 2, 0);
    const auto across = static_cast<std::int32_t>(fraction * innerWidth);
    const auto up = static_cast<std::int32_t>(fraction * innerHeight);
    switch (record.Value("direction")) {
        case kUp:
            frame.Fill(x + 1, y + 1 + innerHeight - up, innerWidth, up, true);
            break;
        case kDown:
            frame.Fill(x + 1, y + 1, innerWidth, up, true);
            break;
        case kLeft:
            frame.Fill(x + 1 + innerWidth - across, y + 1, across, innerHeight, true);
            break;
        case kRight:
            frame.Fill(x + 1, y + 1, across, innerHeight, true);
            break;
        default:
            break;
    }
}

}  // namespace tavelo
