#include <gtest/gtest.h>

#include <array>

#include "CompilerFixtures.h"
#include "compiler/SystemBlock.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;

Bytes SystemBlockOf(const CTaveloDoc& doc, const CAppState& state) {
    Bytes block(kSystemBlockSize);
    CImageCursor out(block);
    EXPECT_EQ(WriteSystemBlock(doc, state, out), kSystemBlockSize);
    EXPECT_FALSE(out.HasOverflowed());
    return block;
}

TEST(SystemBlock, PasswordDigitsAreRightAligned) {
    struct Case {
        std::u16string password;
        std::vector<std::int32_t> digits;
    };
    const Case cases[] = {
        {u"12", {0, 0, 1, 2}},   {u"", {0, 0, 0, 0}},   {u"0000", {0, 0, 0, 0}},
        {u"9081", {9, 0, 8, 1}}, {u"1a", {0, 0, 1, 0}}, {u"123456", {1, 2, 3, 4}},
    };
    for (const Case& c : cases) EXPECT_EQ(PasswordDigits(c.password), c.digits);

    CTaveloDoc doc;
    for (const char16_t* password : {u"12", u"0000", u""}) {
        doc.GetSystemSettings().m_strPassword = password;
        EXPECT_EQ(SystemBlockOf(doc, CAppState())[15], password == std::u16string(u"12"));
    }
}

TEST(SystemBlock, AlarmCountFollowsThePlcType) {
    struct Case {
        std::size_t alarms;
        std::uint8_t plcIndex;
        std::size_t reported;
    };
    for (const Case& c :
         {Case{3, 0, 3}, Case{3, 13, 0}, Case{60, 15, 56}, Case{40, 15, 40}, Case{127, 16, 127}})
        EXPECT_EQ(ReportedAlarmCount(c.alarms, c.plcIndex), c.reported);
    EXPECT_EQ(CountAlarms({u"", u"x", u"", u"y"}), 2u);
}

TEST(SystemBlock, StatusBytesCountBytesOrWordsOfTheAlarmBits) {
    struct Case {
        std::int32_t start, count;
        std::uint8_t plcIndex;
        std::int32_t bytes;
    };
    const Case cases[] = {
        {6, 3, 0, 2},   {0, 8, 0, 1},  {0, 0, 0, 0}, {7, 1, 16, 1}, {0, 16, 4, 2},
        {10, 10, 7, 4}, {15, 2, 8, 4}, {0, 0, 4, 2}, {32, 0, 8, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlarmStatusBytes(c.start, c.count, c.plcIndex), c.bytes)
            << c.start << " " << c.count << " at " << int(c.plcIndex);
}

}  // namespace
}  // namespace tavelo
