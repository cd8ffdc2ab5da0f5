#include <gtest/gtest.h>

#include "elements/PanelCoordinates.h"

namespace tavelo {
namespace {

TEST(PanelCoordinates, CanvasUnitsRoundUpFromSixTenthsOfADotAndDotsTruncate) {
    // 1 unit is 0.44 dot, 2 are 0.89, 9 are 4.0, 20 are 8.9: the round-up takes 2 and 20 up.
    for (const auto& [units, dots] :
         {std::pair{1, 0}, {2, 1}, {9, 4}, {20, 9}, {432, 192}, {-20, -8}})
        EXPECT_EQ(CanvasToDots(units), dots) << units;
    for (const auto& [dots, units] : {std::pair{1, 2}, {4, 9}, {191, 429}, {-1, -2}})
        EXPECT_EQ(DotsToCanvas(dots), units) << dots;
    // Every dot position survives the trip to canvas units and back.
    for (std::int32_t dots = 0; dots <= 192; ++dots)
        EXPECT_EQ(CanvasToDots(DotsToCanvas(dots)), dots);
}

TEST(PanelCoordinates, PanelsShowNegativeCornersAsZeroAndCapTypedPositions) {
    EXPECT_EQ(PanelTopLeft({-5, 7, 20, 30}), (CPoint{0, 7}));
    EXPECT_EQ(CapPanelPosition({250, 99}), (CPoint{192, 64}));
    EXPECT_EQ(CapPanelPosition({10, 5}), (CPoint{10, 5}));
}

}  // namespace
}  // namespace tavelo
