#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "emulator/LcdFrame.h"
#include "emulator/LcdPng.h"
#include "model/FileBytes.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

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
