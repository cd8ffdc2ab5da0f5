#include <gtest/gtest.h>

#include "elements/DynamicText.h"
#include "elements/DynamicTextPanelForm.h"
#include "elements/VectorDynamicTextPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/DrawCalls.h"
#include "support/PlcSamples.h"
#include "support/RecordingDrawSurface.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::RecordingDrawSurface;

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
    EXPECT_EQ(calls[0].ink, kBlack);  // the background of an inverse text
    EXPECT_EQ(calls[1].text, u"ab");
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

TEST(DynamicTextStorage, BaseFieldsCloseTheBodyAndUnevenListsReadAndWriteBackAsTheyWere) {
    const Bytes stored = test::BodyFile("dynamic-text-uneven-lists.bin");
    const auto text = test::LoadBody<CDynamicText>(stored);
    EXPECT_EQ(text->GetPosition(), (CRect{1, 2, 30, 40}));
    EXPECT_EQ(text->m_nScreenNo, 6);
    EXPECT_EQ(text->GetAddress().m_nStation, 9);
    EXPECT_EQ(text->GetTextList(), std::vector<std::u16string>{u"x"});
    EXPECT_EQ(text->GetValueList().size(), 2u);
    // The closing rectangle is the element's, so it opens the body written back as well.
    Bytes expected = stored;
    std::copy(expected.end() - 28, expected.end() - 12, expected.begin());
    EXPECT_EQ(test::StoreBody(*text), expected);
    EXPECT_EQ(test::DrawCalls(*text).back().text, u"x");
}

using Column = CDynamicTextPanelForm::Column;
using Strings = std::vector<std::u16string>;

class DynamicTextPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.m_currentPlc =
            test::MakePlc(u"PLC", {test::MakeUnit(u"M", CRegUnitConfig::kBit, 7),
                                   test::MakeUnit(u"D", CRegUnitConfig::kByte, 1),
                                   test::MakeUnit(u"W", CRegUnitConfig::kByte, 3)});
    }
    CDynamicText& AddText() {
        auto& text = static_cast<CDynamicText&>(
            m_doc.AddElement(std::make_unique<CDynamicText>(CRect{9, 9, 9, 9})));
        m_doc.SetModified(false);
        return text;
    }
    // A new text shown on the dot-matrix panel.
    CDynamicText& Open() {
        CDynamicText& text = AddText();
        m_panel.SetObject(&text);
        return text;
    }
    // Gives the rows these values and texts through the table.
    static void Type(CDynamicTextPanelForm& panel, const Strings& values, const Strings& texts) {
        for (std::size_t row = 0; row < values.size(); ++row) {
            ASSERT_TRUE(panel.BeginEdit(row, Column::kValue));
            panel.TypeInCell(values[row]);
            ASSERT_TRUE(panel.BeginEdit(row, Column::kText));
            panel.TypeInCell(texts[row]);
        }
        panel.EndEdit();
    }

    CTaveloDoc m_doc;
    CAppState m_state;
    CDynamicTextPanelForm m_panel{m_state};
};

TEST_F(DynamicTextPanelTest, ShowingANewElementPutsItsDefaultRowFirstWithoutMarkingTheProject) {
    CDynamicText& text = Open();
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_panel.GetRows()[0], (CDynamicTextPanelForm::CRow{u"0", u"0", u"动态字符串"}));
    EXPECT_EQ(test::DrawCalls(text).back().text, u"动态字符串");
    EXPECT_EQ(text.GetAddress().m_nUnitBytes, 2);  // from the unit chosen in the type list
}

TEST_F(DynamicTextPanelTest, OnlyUsedRowsAndTheFirstBlankOneEditAndANewTextTakesTheNextValue) {
    CDynamicText& text = Open();
    Type(m_panel, {u"0", u"5"}, {u"停止", u"运行"});
    EXPECT_FALSE(m_panel.BeginEdit(3, Column::kValue));
    EXPECT_FALSE(m_panel.BeginEdit(0, Column::kNumber));
    ASSERT_TRUE(m_panel.BeginEdit(2, Column::kText));
    m_panel.TypeInCell(u"故障");
    EXPECT_EQ(text.GetValueList()[2], u"6");
    EXPECT_EQ(text.GetTextList()[2], u"故障");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(DynamicTextPanelTest, AnEmptiedValueMovesItsRowToTheBlankOnesAndDropsItsText) {
    CDynamicText& text = Open();
    Type(m_panel, {u"1", u"2", u"3"}, {u"a", u"b", u"c"});
    ASSERT_TRUE(m_panel.BeginEdit(1, Column::kValue));
    m_panel.TypeInCell(u"");
    EXPECT_FALSE(m_panel.IsEditing());  // the row under the edit box has moved
    m_panel.SetInverse(true);           // the next apply
    EXPECT_EQ(Strings(text.GetValueList().begin(), text.GetValueList().begin() + 3),
              (Strings{u"1", u"3", u""}));
    EXPECT_EQ(Strings(text.GetTextList().begin(), text.GetTextList().begin() + 3),
              (Strings{u"a", u"c", u""}));
}

TEST_F(DynamicTextPanelTest, DoubleSizeCutsStoredTextsWhileTheTableKeepsThemUntilRefilled) {
    CDynamicText& text = Open();
    const std::u16string thirteen(13, u't');
    Type(m_panel, {u"0"}, {thirteen});
    m_panel.SetDoubleSize(true);
    EXPECT_EQ(text.GetTextList()[0], std::u16string(12, u't'));
    EXPECT_EQ(text.GetMaxColumns(), 12);  // kept current without a redraw
    EXPECT_EQ(m_panel.GetRows()[0].m_strText, thirteen);
    m_panel.Refresh();
    EXPECT_EQ(m_panel.GetRows()[0].m_strText, std::u16string(12, u't'));
}

TEST_F(DynamicTextPanelTest, ListsShorterThanTheTableStillLeaveBlankRowsToFill) {
    CDynamicText& text = AddText();
    text.GetValueList() = {u"4"};
    text.GetTextList() = {u"only", u"unpaired"};
    m_panel.SetObject(&text);
    EXPECT_EQ(text.GetTextList().size(), 32u);
    EXPECT_TRUE(m_panel.BeginEdit(1, Column::kText));
}

TEST_F(DynamicTextPanelTest, HexModeClearsTheSignAndTheVectorPanelCutsByFontSize) {
    CDynamicText& text = AddText();
    text.SetSigned(true);
    text.SetFontSize(16);
    CVectorDynamicTextPanelForm panel(m_state);
    panel.SetObject(&text);
    EXPECT_TRUE(text.IsVector());
    panel.SetDecimal(false);
    EXPECT_FALSE(text.IsSigned());
    Type(panel, {u"0"}, {std::u16string(30, u'v')});
    EXPECT_EQ(text.GetTextList()[0].size(), 24u);
    CFontDialogForm dialog = panel.OpenFontDialog();
    dialog.SelectSize(2);  // "小五", 12 dots
    ASSERT_TRUE(panel.BeginEdit(0, Column::kText));
    panel.CloseFontDialog(dialog, true);
    EXPECT_FALSE(panel.IsEditing());
    EXPECT_EQ(text.GetFontSize(), 12);

    CDynamicText& doubled = AddText();
    doubled.SetDoubleSize(1);  // no 倍角 box here, but a stored flag still limits to 12
    panel.SetObject(&doubled);
    Type(panel, {u"0"}, {std::u16string(30, u'v')});
    EXPECT_EQ(doubled.GetTextList()[0].size(), 12u);
}

}  // namespace
}  // namespace tavelo
