#include <gtest/gtest.h>

#include "model/TextCodec.h"
#include "model/TextFormat.h"

namespace tavelo {
namespace {

// Surrogate pairs round-trip; malformed input becomes replacement characters.
TEST(TextCodec, Utf8AndUtf16RoundTripAndMarkMalformedInput) {
    const std::u16string text = u"A画面\U0001F600é";
    EXPECT_EQ(ToUtf8(text), "A画面\U0001F600é");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xE7\x94x"), u"\uFFFD\uFFFDx");
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(TextCodec, CodePage936RoundTripsChineseTextAndMarksWhatItCannotConvert) {
    const std::string gbk = EncodeCodePage936(u"中文 1");
    EXPECT_EQ(gbk, "\xD6\xD0\xCE\xC4 1");
    EXPECT_EQ(DecodeCodePage936({reinterpret_cast<const std::uint8_t*>(gbk.data()), gbk.size()}),
              u"中文 1");
    EXPECT_EQ(EncodeCodePage936(u"a\U0001F600"), "a??");
    const std::uint8_t truncated[] = {'x', 0xD6};
    EXPECT_EQ(DecodeCodePage936(truncated), u"x\uFFFD");
}

TEST(TextFormat, FillsPlacesInOrderKeepingUnfilledOnesAndIgnoringSpareNumbers) {
    EXPECT_EQ(FormatMessage(u"画面号 %d 超出范围(%d至%d)！", -4, 1, 32767),
              u"画面号 -4 超出范围(1至32767)！");
    EXPECT_EQ(FormatMessage(u"%d和%d", 7), u"7和%d");
    EXPECT_EQ(FormatMessage(u"无", 7, 8), u"无");
    EXPECT_EQ(FormatMessage(u"末尾%", 7), u"末尾%");
}

}  // namespace
}  // namespace tavelo
