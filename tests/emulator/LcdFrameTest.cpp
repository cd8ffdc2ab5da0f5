#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"
#include "model/FileBytes.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

TEST(LcdFrame, ClipsWritesOutsideTheDisplay) {
    CLcdFrame frame;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {192, 0}, {0, 64}, {1000000, -1000000}})
        frame.Set(x, y, true);
    EXPECT_EQ(frame, CLcdFrame{});
    frame.Set(191, 63, true);
    EXPECT_TRUE(frame.Get(191, 63));
    EXPECT_FALSE(frame.Get(192, 63));
    frame.Fill(-5, 60, 10, 10, true);
    const std::string art = frame.ToTextArt();
    EXPECT_EQ(std::count(art.begin(), art.end(), '#'), 20 + 1);
    EXPECT_TRUE(frame.Get(0, 60) && frame.Get(4, 63) && !frame.Get(5, 60));
}

TEST(LcdFrame, TextArtRoundTripsAndRefusesAnyOtherShape) {
    CLcdFrame frame;
    frame.Set(0, 0, true);
    frame.Set(191, 63, true);
    const std::string art = frame.ToTextArt();
    ASSERT_EQ(art.size(), 193u * 64u);
    EXPECT_EQ(art.substr(0, 3), "#..");
    EXPECT_EQ(CLcdFrame::FromTextArt(art), frame);
    EXPECT_EQ(CLcdFrame::FromTextArt(art.substr(0, art.size() - 1)), frame);
    const std::string row(192, '.');
    std::string wrongDot = art;
    wrongDot[5] = 'x';
    for (const std::string& bad :
         {art.substr(193), art + row, art.substr(1), wrongDot, std::string(), art + "\n"})
        EXPECT_FALSE(CLcdFrame::FromTextArt(bad).has_value());
}

// The golden picture was checked by eye and with a PNG decoder; TAVELO_UPDATE_GOLDEN=1 writes
// it anew.
TEST(LcdPng, DrawsEveryDotAsASquareOfTheScale) {
    const std::vector<std::uint8_t> art = test::TestDataBytes("emulator/static-text.txt");
    const auto frame = CLcdFrame::FromTextArt(std::string(art.begin(), art.end()));
    ASSERT_TRUE(frame.has_value());
    const std::vector<std::uint8_t> png = CLcdPng::Encode(*frame, 2);
    const auto path = test::TestDataPath("emulator/static-text-x2.png");
    if (const char* update = std::getenv("TAVELO_UPDATE_GOLDEN");
        update && update == std::string("1"))
        WriteFileAtomically(path, png);
    EXPECT_EQ(png, ReadFileBytes(path));
    EXPECT_EQ(CLcdPng::Encode(*frame, 0), CLcdPng::Encode(*frame, CLcdPng::kMinScale));
}

}  // namespace
}  // namespace tavelo
