#include <gtest/gtest.h>

#include "model/TextFormat.h"

namespace tavelo {
namespace {

TEST(TextFormat, FillsPlacesInOrderKeepingUnfilledOnesAndIgnoringSpareNumbers) {
    EXPECT_EQ(FormatMessage(u"画面号 %d 超出范围(%d至%d)！", -4, 1, 32767),
              u"画面号 -4 超出范围(1至32767)！");
    EXPECT_EQ(FormatMessage(u"%d和%d", 7), u"7和%d");
    EXPECT_EQ(FormatMessage(u"无", 7, 8), u"无");
    EXPECT_EQ(FormatMessage(u"末尾%", 7), u"末尾%");
}

}  // namespace
}  // namespace tavelo
