#include <gtest/gtest.h>

#include "elements/StaticText.h"
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

// Draws the text once and returns the one text call.
RecordingDrawSurface::Call DrawOnce(CStaticText& text) {
    const auto calls = test::DrawCalls(text);
    EXPECT_EQ(calls.size(), 1u);
    return calls.at(0);
}

TEST(StaticTextSize, BoxFollowsTheStringWithinOneCellAndTheCanvasWidth) {
    struct Case {
        std::u16string text;
        bool vector;
        std::int32_t fontSize;
        bool doubleSize;
        CRect box;
    };
    // The recording surface measures half-width units as half the font height.
    const Case cases[] = {
        {u"Aa12文字串", false, 12, false, {20, 10, 20 + 4 * 18 + 3 * 36, 46}},
        {u"", false, 12, false, {20, 10, 38, 46}},  // one 8 x 16 dot cell
        {u"", true, 12, false, {20, 10, 33, 37}},   // half a glyph by one glyph: 13.5 x 27
        {u"", true, 14, false, {20, 10, 35, 41}},   // 15.75 x 31.5
        {u"AB", true, 16, false, {20, 10, 56, 46}},
        {u"AB", false, 12, true, {20, 10, 92, 82}},
        {u"AB", true, 12, true, {20, 10, 72, 64}},
    };
    for (const Case& c : cases) {
        CStaticText text(CRect{20, 10, 999, 999});
        text.SetText(c.text);
        text.SetVector(c.vector);
        text.SetFontSize(c.fontSize);
        text.SetDoubleSize(c.doubleSize);
        DrawOnce(text);
        EXPECT_EQ(text.GetPosition(), c.box) << std::string(c.text.begin(), c.text.end());
        EXPECT_TRUE(text.IsSizeValid());
    }
}

TEST(StaticTextSize, AStringWiderThanTheCanvasIsCutToItAndMovedToItsLeftEdge) {
    CStaticText text(CRect{100, 20, 0, 0});
    text.SetText(std::u16string(20, u'字'));
    const auto call = DrawOnce(text);
    EXPECT_EQ(text.GetPosition(), (CRect{0, 20, 432, 56}));
    EXPECT_EQ(call.rect.TopLeft(), (CPoint{0, 20}));
}

TEST(StaticTextDrawing, DotMatrixIsDrawnAsHighAsItsBoxAndVectorAtItsSize) {
    CStaticText dots(CRect{0, 0, 0, 0});
    dots.SetDoubleSize(1);
    dots.SetInverse(1);
    const auto drawn = DrawOnce(dots);
    EXPECT_EQ(drawn.text, u"Aa12文字串");
    EXPECT_EQ(drawn.font, (CFontDesc{u"宋体", 72}));
    EXPECT_EQ(drawn.ink, kWhite);
    EXPECT_EQ(drawn.paper, kBlack);

    CStaticText vector(CRect{0, 0, 0, 0});
    vector.SetVector(true);
    vector.SetFaceName(u"楷体_GB2312");
    vector.SetFontSize(14);
    vector.SetDoubleSize(1);
    const auto vectorDrawn = DrawOnce(vector);
    EXPECT_EQ(vectorDrawn.font, (CFontDesc{u"楷体_GB2312", 31}));
    EXPECT_EQ(vectorDrawn.ink, kBlack);
}

TEST(StaticTextStorage, BodyIsTheBasePartThenTheTextFieldsAndReadsBackUntrustingTheBox) {
    CStaticText text(CRect{10, 20, 300, 400});
    text.m_nScreenNo = 3;
    text.SetText(u"A文");
    text.SetVector(true);
    const Bytes expected = Concat({
        B({10, 0, 0, 0, 20, 0, 0, 0, 0x2C, 1, 0, 0, 0x90, 1, 0, 0}),  // rectangle
        B({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),                      // screen, double, inverse
        B({16, 0, 0, 0, 8, 0, 0, 0}),                                 // cell height and width
        B({0xFF, 0xFE, 0xFF, 2, 'A', 0, 0x87, 0x65}),                 // "A文"
        B({0xFF, 0xFE, 0xFF, 2, 0x8B, 0x5B, 0x53, 0x4F}),             // "宋体"
        B({12, 0, 0, 0, 1, 0, 0, 0}),
    });
    ASSERT_EQ(test::StoreBody(text), expected);

    const auto read = test::LoadBody<CStaticText>(expected);
    EXPECT_EQ(read->GetText(), u"A文");
    EXPECT_TRUE(read->IsVector());
    EXPECT_FALSE(read->IsSizeValid());
    DrawOnce(*read);
    EXPECT_EQ(read->GetPosition(), (CRect{10, 20, 10 + 27 / 2 + 27, 20 + 27}));
}

TEST(StaticTextSize, AbsurdStoredCellSizesGiveTheLargestBoxInsteadOfOverflowing) {
    RecordingDrawSurface surface;
    const CTextStyle style{false, u"宋体", 12, INT32_MIN, INT32_MAX};
    EXPECT_EQ(style.MeasureBox(surface, u"", false), (CSize{0, INT32_MAX}));
}

}  // namespace
}  // namespace tavelo
