#include <gtest/gtest.h>

#include "elements/DynamicText.h"
#include "support/ByteHelpers.h"
#include "support/DrawCalls.h"
#include "support/RecordingDrawSurface.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::Concat;
using test::RecordingDrawSurface;
using Kind = RecordingDrawSurface::Kind;

TEST(DynamicText, BoxIsSizedOnTheFirstWidestTextAndShowsTheFirstTextOnItsBackground) {
    CDynamicText text(CRect{10, 10, 0, 0});
    text.GetTextList() = {u"ab", u"文字", u"abcd", u"x"};
    text.GetValueList() = {u"1", u"2", u"3", u"4"};
    text.SetInverse(1);
    const auto calls = test::DrawCalls(text);
    EXPECT_EQ(text.GetMaxColumns(), 4);
    // "文字" comes first among the four-column texts: 2 x 36 units wide.
    EXPECT_EQ(text.GetPosition(), (CRect{10, 10, 82, 46}));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, Kind::Fill);
    EXPECT_EQ(calls[0].rect, text.GetPosition());
    EXPECT_EQ(calls[0].ink, kBlack);
    EXPECT_EQ(calls[1].text, u"ab");
    EXPECT_EQ(calls[1].ink, kWhite);
}

TEST(DynamicText, EmptyListsGainTheFallbackRowBeforeTheyAreShown) {
    CDynamicText text(CRect{0, 0, 0, 0});
    text.GetTextList().clear();
    text.GetValueList().clear();
    const auto calls = test::DrawCalls(text);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].text, u"动态文本字符串");
    EXPECT_EQ(text.GetValueList(), std::vector<std::u16string>{u"0"});
    EXPECT_EQ(text.GetMaxColumns(), 14);
}

TEST(DynamicText, CopyRecordsTheWidestRowInTheSecondReservedField) {
    CDynamicText text(CRect{1, 2, 3, 4});
    text.GetTextList() = {u"a", u"longest", u"b"};
    text.GetValueList() = {u"1", u"2", u"3"};
    text.m_nScreenNo = 2;
    const std::unique_ptr<CGraphObj> copy = text.Clone();
    // Max columns 7, longest index 0 (a byte), reserved 0 and 1 (the widest row).
    const Bytes fields = B({7, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    const Bytes bytes = test::StoreBody(*copy);
    EXPECT_TRUE(std::equal(fields.begin(), fields.end(), bytes.begin() + 24));
    EXPECT_EQ(copy->m_nScreenNo, CGraphObj::kNoScreen);
    EXPECT_EQ(copy->GetPosition(), (CRect{1, 2, 3, 4}));
}

const Bytes kOneRowBody = Concat({
    B({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0}),  // rectangle, first
    B({1, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0}),           // decimal, signed, columns, index
    B({0, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0}),              // reserved 0 and 1, linear address
    B({0xFF, 0xFE, 0xFF, 2, 0x8B, 0x5B, 0x53, 0x4F}),     // "宋体"
    B({12, 0, 0, 0, 0, 0, 0, 0}),                         // size, vector
    B({1, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}),  // unit 1, station 9, reserved, count
    B({7, 0, 0, 0, 0, 0, 0, 0}),                          // address, bit
    B({1, 0, 0xFF, 0xFE, 0xFF, 1, 'x', 0}),               // texts
    B({2, 0, 0xFF, 0xFE, 0xFF, 1, '5', 0, 0xFF, 0xFE, 0xFF, 0}),  // values: one too many
    B({1, 0, 0, 0, 2, 0, 0, 0, 30, 0, 0, 0, 40, 0, 0, 0}),        // rectangle again, last
    B({6, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}),                      // screen, double size, inverse
});

TEST(DynamicTextStorage, BaseFieldsCloseTheBodyAndUnevenListsReadAndWriteBackAsTheyWere) {
    const auto text = test::LoadBody<CDynamicText>(kOneRowBody);
    EXPECT_EQ(text->GetPosition(), (CRect{1, 2, 30, 40}));
    EXPECT_EQ(text->m_nScreenNo, 6);
    EXPECT_EQ(text->GetAddress().m_nStation, 9);
    EXPECT_EQ(text->GetTextList(), std::vector<std::u16string>{u"x"});
    EXPECT_EQ(text->GetValueList().size(), 2u);
    // The closing rectangle is the element's, so it opens the body written back as well.
    Bytes expected = kOneRowBody;
    std::copy(expected.end() - 28, expected.end() - 12, expected.begin());
    EXPECT_EQ(test::StoreBody(*text), expected);
    EXPECT_EQ(test::DrawCalls(*text).back().text, u"x");
}

}  // namespace
}  // namespace tavelo
