#include <gtest/gtest.h>

#include "elements/StaticText.h"
#include "elements/TextColumns.h"
#include "elements/TextPanelForm.h"
#include "elements/VectorTextPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/DrawCalls.h"
#include "support/RecordingDrawSurface.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::Bytes;
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

TEST(StaticTextStorage, BodyIsTheBasePartThenTheTextFieldsAndReadsBackUntrustingTheBox) {
    CStaticText text(CRect{10, 20, 300, 400});
    text.m_nScreenNo = 3;
    text.SetText(u"A文");
    text.SetVector(true);
    const Bytes expected = test::BodyFile("static-text.bin");
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

TEST(TextColumns, FullWidthUnitsCountTwoAndCutsStopBeforeTheLimitIsPassed) {
    struct Case {
        std::u16string text;
        std::int64_t limit;
        std::u16string cut;
    };
    const std::u16string ascii25(25, u'a');
    const Case cases[] = {
        {ascii25, 24, std::u16string(24, u'a')},
        {std::u16string(23, u'a') + u"文", 24, std::u16string(23, u'a')},  // 25 columns
        {std::u16string(22, u'a') + u"文", 24, std::u16string(22, u'a') + u"文"},
        {u"温度温度温度温", 12, u"温度温度温度"},
        {u"ab\U0001F600", 3, u"ab"},  // never half a surrogate pair
        {u"", 0, u""},
    };
    for (const Case& c : cases) EXPECT_EQ(CutToColumns(c.text, c.limit), c.cut);
    EXPECT_EQ(TextColumns(u"Aa12文字串"), 10);
}

// Every size that leaves a glyph on the line counts; sizes of 0 or below and sizes wider than
// the canvas fall back to the checked size.
TEST(TextColumns, VectorLinesHoldTheGlyphsOfTheirSizeAndDamagedSizesCountAsTwelve) {
    const int cases[][2] = {{12, 16}, {14, 13}, {16, 12},  {13, 14},        {20, 9},
                            {1, 192}, {192, 1}, {193, 16}, {1000, 16},      {-14, 13},
                            {0, 16},  {-1, 16}, {-20, 16}, {INT32_MIN, 16}, {INT32_MAX, 16}};
    for (const auto& [size, glyphs] : cases) EXPECT_EQ(VectorGlyphsPerLine(size), glyphs) << size;
}

using Axis = CTextPanelForm::Axis;

class TextPanelTest : public ::testing::Test {
protected:
    CStaticText& AddText(const CRect& rect = {45, 18, 90, 54}) {
        auto& text =
            static_cast<CStaticText&>(m_doc.AddElement(std::make_unique<CStaticText>(rect)));
        m_doc.SetModified(false);
        return text;
    }
    // A new text shown on the dot-matrix panel.
    CStaticText& Open() {
        CStaticText& text = AddText();
        m_panel.SetObject(&text);
        return text;
    }

    CTaveloDoc m_doc;
    CAppState m_state;
    CTextPanelForm m_panel{m_state};
};

TEST_F(TextPanelTest, ShowingKeepsTheModifiedMarkAndEveryChangeAppliesAtOnce) {
    CTextPanelForm panel(m_state);
    EXPECT_EQ(panel.GetText(), u"Aa12文字串");
    CStaticText& text = AddText({-9, 18, 90, 54});
    panel.SetObject(&text);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(panel.GetPositionText(Axis::kX), u"0");
    EXPECT_EQ(panel.GetPositionText(Axis::kY), u"8");
    panel.SetText(u"温度");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(text.GetText(), u"温度");
    panel.SetPositionText(Axis::kX, u"191");
    EXPECT_EQ(text.GetPosition().left, 429);
    EXPECT_EQ(panel.GetSpinRange(Axis::kX), (CSpinRange{0, 191}));
}

TEST_F(TextPanelTest, AnEmptyOrOverlongPositionAppliesNothing) {
    for (const auto& [axis, typed] : {std::pair{Axis::kX, u""}, std::pair{Axis::kX, u"1000"},
                                      std::pair{Axis::kY, u"100"}, std::pair{Axis::kY, u""}}) {
        CStaticText& text = Open();
        m_panel.SetPositionText(axis, typed);
        m_panel.SetText(u"changed");
        EXPECT_EQ(text.GetText(), u"Aa12文字串");
        EXPECT_FALSE(m_doc.IsModified());
        // The longest fields allowed, capped at 192 and 64 dots.
        m_panel.SetPositionText(axis, axis == Axis::kX ? u"999" : u"99");
        EXPECT_EQ(text.GetText(), u"changed");
    }
    EXPECT_EQ(m_doc.GetElements().back()->GetPosition().TopLeft(), (CPoint{45, 144}));
}

TEST_F(TextPanelTest, DotMatrixTextsAreCutToTwentyFourColumnsOrTwelveWithDoubleSize) {
    CStaticText& text = Open();
    m_panel.SetText(std::u16string(25, u'a'));
    EXPECT_EQ(text.GetText(), std::u16string(24, u'a'));
    EXPECT_EQ(m_panel.GetText(), text.GetText());  // put back into the field
    m_panel.SetDoubleSize(true);                   // the tick itself applies
    EXPECT_EQ(text.GetText(), std::u16string(12, u'a'));
    EXPECT_EQ(text.GetDoubleSize(), 1);
    m_panel.SetText(u"温度温度温度温");  // columns, not characters
    EXPECT_EQ(text.GetText(), u"温度温度温度");
}

TEST_F(TextPanelTest, VectorTextHasNoDoubleSizeAndHoldsTheColumnsOfItsFontSize) {
    CStaticText& text = AddText();
    CVectorTextPanelForm panel(m_state);
    panel.SetObject(&text);
    EXPECT_TRUE(text.IsVector());
    panel.SetDoubleSize(true);
    EXPECT_EQ(text.GetDoubleSize(), 0);
    const std::u16string longText(40, u'v');
    for (const auto& [sizePosition, columns] : {std::pair{2, 32u}, {1, 26u}, {0, 24u}}) {
        CFontDialogForm dialog = panel.OpenFontDialog();
        dialog.SelectSize(sizePosition);
        panel.CloseFontDialog(dialog, true);
        panel.SetText(longText);
        EXPECT_EQ(text.GetText().size(), columns);
    }
    EXPECT_EQ(text.GetFontSize(), 16);
}

TEST_F(TextPanelTest, FontDialogOpensOnTheCurrentChoiceAndChecksWhatItReturns) {
    CStaticText& text = AddText();
    text.SetFontSize(13);
    text.SetFaceName(u"Arial");
    CVectorTextPanelForm panel(m_state);
    panel.SetObject(&text);
    CFontDialogForm dialog = panel.OpenFontDialog();
    EXPECT_EQ(CFontDialogForm::GetSizeList()[dialog.GetSizeSelection()], u"小五");
    EXPECT_EQ(dialog.GetFaceSelection(), -1);
    panel.CloseFontDialog(dialog, false);
    EXPECT_EQ(text.GetFontSize(), 13);  // Cancel keeps it
    panel.CloseFontDialog(dialog, true);
    EXPECT_EQ(text.GetFontSize(), 12);
    EXPECT_EQ(text.GetFaceName(), u"宋体");
    dialog.SelectSize(1);
    dialog.SelectFace(1);
    panel.CloseFontDialog(dialog, true);
    EXPECT_EQ(text.GetFontSize(), 14);  // "五号"
    EXPECT_EQ(text.GetFaceName(), u"楷体_GB2312");
}

}  // namespace
}  // namespace tavelo
