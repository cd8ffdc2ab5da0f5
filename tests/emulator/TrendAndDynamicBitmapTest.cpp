#include <gtest/gtest.h>

#include <vector>

#include "FrameTestSupport.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"

namespace tavelo {
namespace {

using namespace std::chrono_literals;

// Bitmaps on X1.0 (positive logic), X1.1 (negative) and X1.2 (positive): with the coils off the
// pointer of the first and third turns left, that of the second right; with them on, the other way.
TEST(DynamicBitmapRender, ShowsThePictureOfTheCoilsStateAfterItsLogic) {
    const CPanelImage image = test::LoadStoredProject("image-dynamic-bitmap");
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    for (const std::int64_t coil : {0, 1}) {
        CLcdFrame frame;
        ASSERT_TRUE(CScreenRenderer(image).Render(
            1, test::CValueMap({{{1, 4, 8}, coil}, {{1, 4, 9}, coil}, {{1, 4, 10}, coil}}), frame));
        test::ExpectGoldenFrame(frame, "dynamic-bitmap-" + std::to_string(coil));
    }
}

// The trend on D10 samples every 5 s and keeps 40 points; the first sample comes at once, a
// call within the interval or with the clock gone back adds none, and a call three intervals
// on adds three on the interval's grid.
TEST(TrendRender, DrawsTheSampledHistoryBetweenItsScales) {
    const CPanelImage image = test::LoadStoredProject("image-trend-bar");
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    CTrendHistory history(image);
    const struct {
        std::chrono::milliseconds m_now;
        std::int64_t m_nValue;
    } steps[] = {{1s, 0},    {5s, 900},   {6s, 500},  {11s, 1000}, {3s, 700},
                 {16s, 100}, {31s, 1500}, {32s, 800}, {36s, 250}};
    for (const auto& step : steps)
        history.Sample(step.m_now, test::CValueMap({{{1, 1, 10}, step.m_nValue}}));
    const std::size_t trend = image.FindScreen(1)->m_elements.front().m_nOffset;
    const std::span<const double> samples = history.Samples(trend);
    EXPECT_EQ(std::vector<double>(samples.begin(), samples.end()),
              (std::vector<double>{0, 500, 1000, 100, 1500, 1500, 1500, 250}));
    EXPECT_TRUE(history.Samples(trend + 1).empty());
    CLcdFrame frame;
    ASSERT_TRUE(CScreenRenderer(image).Render(1, test::CValueMap{}, frame, &history));
    test::ExpectGoldenFrame(frame, "trend");
}

}  // namespace
}  // namespace tavelo
