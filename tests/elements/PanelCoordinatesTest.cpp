#include "elements/PanelCoordinates.h"

#include <gtest/gtest.h>

namespace tavelo {
namespace {

TEST(PanelCoordinates, CanvasUnitsRoundUpFromSixTenthsOfADot) {
    // 1 unit is 0.44 dot, 2 are 0.89, 9 are 4.0, 20 are 8.9: the round-up takes 2 and 20 up.
    EXPECT_EQ(CanvasToDots(1), 0);
    EXPECT_EQ(CanvasToDots(2), 1);
    EXPECT_EQ(CanvasToDots(9), 4);
    EXPECT_EQ(CanvasToDots(20), 9);
    EXPECT_EQ(CanvasToDots(432), 192);
    EXPECT_EQ(CanvasToDots(-20), -8);
}

TEST(PanelCoordinates, DotsBecomeCanvasUnitsTruncated) {
    EXPECT_EQ(DotsToCanvas(1), 2);
    EXPECT_EQ(DotsToCanvas(4), 9);
    EXPECT_EQ(DotsToCanvas(191), 429);
    EXPECT_EQ(DotsToCanvas(-1), -2);
    // Every dot position survives the trip to canvas units and back.
    for (std::int32_t dots = 0; dots <= 192; ++dots) EXPECT_EQ(CanvasToDots(DotsToCanvas(dots)), dots);
}

TEST(PanelCoordinates, PanelsShowNegativeCornersAsZeroAndCapTypedPositions) {
    EXPECT_EQ(PanelTopLeft({-5, 7, 20, 30}), (CPoint{0, 7}));
    EXPECT_EQ(CapPanelPosition({250, 99}), (CPoint{192, 64}));
    EXPECT_EQ(CapPanelPosition({10, 5}), (CPoint{10, 5}));
}

}  // namespace
}  // namespace tavelo
