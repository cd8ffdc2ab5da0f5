#include <gtest/gtest.h>

#include "elements/TrendBar.h"
#include "elements/TrendBarPanelForm.h"
#include "model/NewProject.h"
#include "model/TaveloDoc.h"
#include "support/DrawCalls.h"
#include "support/PlcSamples.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using Field = CTrendBarPanelForm::Field;
using AddressField = CTrendBarPanelForm::AddressField;

// Bars are 16 x 48 dots, or 48 x 16 across, and fill from their direction: the fill's middle
// lies below, above, right or left of the frame's; trends are 96 x 48. Double size is ignored.
TEST(TrendBar, BarsFillFromTheirDirectionAndGraphsKeepTheirDotSize) {
    const struct {
        std::int32_t direction, dx, dy;
        CRect position;
    } cases[] = {
        {CTrendBar::kUp, 0, 1, {10, 0, 46, 108}},
        {CTrendBar::kDown, 0, -1, {10, 0, 46, 108}},
        {CTrendBar::kLeft, 1, 0, {10, 0, 118, 36}},
        {CTrendBar::kRight, -1, 0, {10, 0, 118, 36}},
    };
    const auto sign = [](std::int32_t a, std::int32_t b) { return (a > b) - (a < b); };
    for (const auto& c : cases) {
        CTrendBar bar(CTrendBar::kBarGraph, CRect{10, 0, 0, 0});
        if (c.direction >= CTrendBar::kLeft) bar.SetSize(16, 48);
        bar.SetDirection(c.direction);
        bar.SetDoubleSize(1);
        const auto calls = test::DrawCalls(bar);
        EXPECT_EQ(bar.GetPosition(), c.position);
        const CRect frame = calls.at(0).rect, fill = calls.at(1).rect;
        EXPECT_EQ(sign(fill.left + fill.right, frame.left + frame.right), c.dx) << c.direction;
        EXPECT_EQ(sign(fill.top + fill.bottom, frame.top + frame.bottom), c.dy) << c.direction;
    }
    CTrendBar trend(CTrendBar::kTrendGraph);
    test::DrawCalls(trend);
    EXPECT_EQ(trend.GetPosition(), (CRect{0, 0, 216, 108}));
}

TEST(TrendBar, OlderBodiesWithoutMarkerHoldThePointsThere) {
    CTrendBar trend(CTrendBar::kTrendGraph);
    trend.SetPoints(40);
    trend.SetDecimals(3);
    trend.SetFloat(true);
    const test::Bytes bytes = test::StoreBody(trend);
    EXPECT_EQ(test::StoreBody(*test::LoadBody<CTrendBar>(bytes)), bytes);
    // Before the float option: points at the marker's place, no decimals and float.
    test::Bytes older(bytes.begin(), bytes.begin() + 37);
    older.insert(older.end(), bytes.begin() + 49, bytes.end());
    const auto read = test::LoadBody<CTrendBar>(older);
    EXPECT_EQ(read->GetPoints(), 40);
    EXPECT_EQ(read->GetDecimals(), 0);
    EXPECT_FALSE(read->IsFloat());
    EXPECT_TRUE(read->IsTrendGraph());
}

TEST(TrendBar, ScreenCopiesCarryTheCopyMarkAndADefaultPreviewFill) {
    CTaveloDoc doc;
    MakeNewProject(doc);
    doc.AddElement(std::make_unique<CTrendBar>()).m_nScreenNo = 1;
    doc.CopyScreen(1, 2);
    const auto& copy = static_cast<const CTrendBar&>(*doc.GetElements().back());
    EXPECT_EQ(copy.m_nScreenNo, 2);
    EXPECT_TRUE(copy.m_bCopyMark);
    EXPECT_EQ(copy.GetPreviewFill(), 0.35);
}

class TrendBarPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.m_nModelIndex = CAppState::kModelZorB;
        m_state.m_currentPlc = test::MakeByteAndWordPlc();
    }
    CTrendBar& Open(std::int32_t kind) {
        auto& graph = static_cast<CTrendBar&>(m_doc.AddElement(std::make_unique<CTrendBar>(kind)));
        m_panel.SetObject(&graph);
        return graph;
    }

    CTaveloDoc m_doc;
    CAppState m_state;
    CTrendBarPanelForm m_panel{m_state};
};

TEST_F(TrendBarPanelTest, ANewDirectionTurnsTheBar) {
    CTrendBar& bar = Open(CTrendBar::kBarGraph);
    m_panel.SelectDirection(CTrendBar::kLeft);
    EXPECT_EQ(bar.GetHeight(), 16);
    EXPECT_EQ(m_panel.GetFieldText(Field::kWidth), u"48");
    m_panel.SetFieldText(Field::kWidth, u"100");  // the direction is no longer new
    EXPECT_EQ(bar.GetWidth(), 100);
    m_panel.SelectDirection(CTrendBar::kUp);
    EXPECT_EQ(bar.GetHeight(), 48);
}

// Points lie in 2 .. width - 2 of the width as stored, after its own limits.
TEST_F(TrendBarPanelTest, SizesAndPointsAreKeptInTheirRanges) {
    CTrendBar& trend = Open(CTrendBar::kTrendGraph);
    const std::tuple<std::u16string_view, std::u16string_view, int, int> cases[] = {
        {u"96", u"200", 96, 94},
        {u"96", u"1", 96, 2},
        {u"300", u"250", 192, 190},
        {u"10", u"20", 16, 14}};
    for (const auto& [width, points, storedWidth, storedPoints] : cases) {
        m_panel.SetFieldText(Field::kWidth, width);
        m_panel.SetFieldText(Field::kPoints, points);
        EXPECT_EQ(trend.GetWidth(), storedWidth);
        EXPECT_EQ(trend.GetPoints(), storedPoints) << storedWidth;
    }
    EXPECT_EQ(m_panel.GetSpinRange(Field::kPoints).m_nHigh, 14);
    m_panel.SetFieldText(Field::kHeight, u"80");
    EXPECT_EQ(trend.GetHeight(), 64);
    m_panel.SetFieldText(Field::kInterval, u"40000");
    EXPECT_EQ(trend.GetInterval(), 30000);
    m_panel.SetFieldText(Field::kInterval, u"");
    EXPECT_EQ(trend.GetInterval(), 10);
}

TEST_F(TrendBarPanelTest, ScalesFollowTheRegisterWidthAndSign) {
    CTrendBar& bar = Open(CTrendBar::kBarGraph);
    m_panel.SelectUnit(1);
    m_panel.SetFieldText(Field::kFullScale, u"-");  // still typing: nothing applies
    EXPECT_EQ(bar.GetFullScale(), 65535);
    m_panel.SetFieldText(Field::kFullScale, u"-70000");
    EXPECT_EQ(bar.GetFullScale(), 0);
    m_panel.SetSigned(true);
    EXPECT_EQ(bar.GetFullScale(), -32768);
    m_panel.SetFieldText(Field::kZeroScale, u"-0");
    EXPECT_EQ(bar.GetZeroScale(), -32768);  // at most the full scale
    m_panel.SetAddressText(AddressField::kCount, u"2");
    EXPECT_EQ(bar.GetFullScale(), -70000);
    m_panel.SetDecimal(false);  // HEX/BCD has no sign
    EXPECT_FALSE(bar.IsSigned());
    EXPECT_FALSE(m_panel.IsSignedEnabled());
}

TEST_F(TrendBarPanelTest, SwitchingFloatOffDropsTheSignAndNegativeScales) {
    CTrendBar& bar = Open(CTrendBar::kBarGraph);
    m_panel.SelectUnit(1);
    m_panel.SetFloat(true);
    EXPECT_TRUE(bar.IsSigned());
    EXPECT_FALSE(m_panel.IsModeShown());
    m_panel.SetFieldText(Field::kZeroScale, u"-50");
    m_panel.SetFieldText(Field::kFullScale, u"-20");
    EXPECT_EQ(bar.GetZeroScale(), -50);
    m_panel.SetFloat(false);
    EXPECT_FALSE(bar.IsSigned());
    EXPECT_EQ(bar.GetZeroScale(), 0);
    EXPECT_EQ(bar.GetFullScale(), 65535);
    m_state.m_nModelIndex = CAppState::kModelZorA;
    EXPECT_FALSE(m_panel.IsFloatShown());
}

}  // namespace
}  // namespace tavelo
