#pragma once
// Draws a bar graph record: a one-dot frame round its box and, inside, a bar that grows from the
// zero-scale side in the record's direction, in proportion to where the polled value lies
// between zero scale and full scale. Values beyond the scales fill nothing or everything.

#include <cstdint>

#include "PolledValues.h"

namespace tavelo {

class CLcdFrame;
struct CImageRecord;

class CBarGraphPainter {
public:
    // The direction byte of the record.
    static constexpr std::int64_t kUp = 0;
    static constexpr std::int64_t kLeft = 1;
    static constexpr std::int64_t kDown = 2;
    static constexpr std::int64_t kRight = 3;
    // The attribute bits of the value's format.
    static constexpr std::int64_t kSignedBit = 0x10;
    static constexpr std::int64_t kDecimalBit = 0x20;
    static constexpr std::int64_t kFloatBit = 0x80;

    static void Draw(const CImageRecord& record, const IPolledValues& values, CLcdFrame& frame);
    // The register contents of byteCount bytes as the number the attributes make of them:
    // signed decimal sign-extends, float reads an IEEE single, any other format is unsigned.
    static double Interpret(std::int64_t contents, std::int64_t byteCount, std::int64_t attributes);
    // Where the value lies between the scales, from 0 to 1; a value that is not a number gives
    // 0, and equal scales give 1 once the value reaches them.
    static double Fraction(double value, double zero, double full);
};

}  // namespace tavelo
