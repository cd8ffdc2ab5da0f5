#include <gtest/gtest.h>

#include "elements/TextPanelForm.h"
#include "elements/VectorTextPanelForm.h"
#include "model/TaveloDoc.h"

namespace tavelo {
namespace {

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
    struct Case {
        bool doubleSize;
        std::u16string typed, kept;
    };
    const Case cases[] = {
        {false, std::u16string(25, u'a'), std::u16string(24, u'a')},
        {true, u"温度温度温度温", u"温度温度温度"},  // columns, not characters
    };
    for (const Case& c : cases) {
        CStaticText& text = Open();
        m_panel.SetDoubleSize(c.doubleSize);
        m_panel.SetText(c.typed);
        EXPECT_EQ(text.GetText(), c.kept);
        EXPECT_EQ(m_panel.GetText(), c.kept);  // put back into the field
    }
    CStaticText& text = Open();
    m_panel.SetText(std::u16string(20, u'b'));
    m_panel.SetDoubleSize(true);  // the tick itself applies
    EXPECT_EQ(text.GetText(), std::u16string(12, u'b'));
    EXPECT_EQ(text.GetDoubleSize(), 1);
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
