#pragma once
// Draws a trend graph record: an axis down its left edge and one along its bottom, and the
// samples kept for it as a line through `points` places spread evenly over the width, oldest
// on the left, each as high as its value lies between zero scale and full scale.

#include <span>

namespace tavelo {

class CLcdFrame;
struct CImageRecord;

class CTrendGraphPainter {
public:
    // Samples beyond the record's points are left out, the oldest first.
    static void Draw(const CImageRecord& record, std::span<const double> samples, CLcdFrame& frame);
};

}  // namespace tavelo
