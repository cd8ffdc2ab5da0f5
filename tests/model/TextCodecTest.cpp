#include <gtest/gtest.h>

#include "model/TextCodec.h"

namespace tavelo {
namespace {

TEST(TextCodec, Utf8AndUtf16RoundTripIncludingSurrogatePairs) {
    const std::u16string text = u"A画面\U0001F600é";
    EXPECT_EQ(ToUtf8(text), "A画面\U0001F600é");
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(TextCodec, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xE7\x94x"), u"\uFFFD\uFFFDx");
    EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(TextCodec, CodePage936RoundTripsChineseText) {
    const std::string gbk = EncodeCodePage936(u"中文 1");
    EXPECT_EQ(gbk, "\xD6\xD0\xCE\xC4 1");
    const std::u16string back =
        DecodeCodePage936({reinterpret_cast<const std::uint8_t*>(gbk.data()), gbk.size()});
    EXPECT_EQ(back, u"中文 1");
}

TEST(TextCodec, CodePage936MarksWhatItCannotEncodeOrDecode) {
    EXPECT_EQ(EncodeCodePage936(u"a\U0001F600"), "a??");
    const std::uint8_t truncated[] = {'x', 0xD6};
    EXPECT_EQ(DecodeCodePage936(truncated), u"x\uFFFD");
}

}  // namespace
}  // namespace tavelo
