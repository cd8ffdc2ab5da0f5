#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/GraphObj.h"
#include "model/TaveloDoc.h"
#include "support/ByteHelpers.h"
#include "support/FakeElementView.h"
#include "support/RecordingDrawSurface.h"
#include "support/TestElement.h"

namespace tavelo {
namespace {

using test::FakeElementView;
using test::RecordingDrawSurface;
using test::TestElement;

TEST(CanvasRule, ElementsSnapToTheEdgesAndFitTheCanvas) {
    const struct {
        CRect in, out;
    } cases[] = {
        {{2, 10, 100, 20}, {0, 10, 98, 20}},       // near the left edge: snaps, keeps the width
        {{3, 10, 440, 20}, {3, 10, 440, 20}},      // at the threshold: stays, even past the right
        {{-10, 10, 500, 20}, {0, 10, 432, 20}},    // wider than the canvas: cut to it
        {{400, 10, 450, 20}, {382, 10, 432, 20}},  // past the right edge: back inside
        {{10, 1, 20, 50}, {10, 0, 20, 49}},        // the same rules vertically
        {{10, 130, 20, 150}, {10, 124, 20, 144}},
        {{10, -5, 20, 200}, {10, 0, 20, 144}},
        {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 432, 144}},  // no overflow
    };
    for (const auto& c : cases) {
        CGraphObj element(c.in);
        element.ClampToCanvas();
        EXPECT_EQ(element.GetPosition(), c.out) << c.in.left << "," << c.in.top;
    }
}

TEST(BandTest, BandsHitWithinHalfAMarkOutsideAndNeverWhenEmpty) {
    FakeElementView view;  // mark size 6: margin 3
    const struct {
        CRect element, band;
        bool hit;
    } cases[] = {
        {{100, 50, 120, 70}, {122, 60, 123, 61}, true},  // 1x1 band just outside, within m
        {{100, 50, 120, 70}, {123, 60, 124, 61}, false},
        {{100, 50, 120, 70}, {60, 47, 200, 48}, true},
        {{100, 50, 120, 70}, {60, 46, 200, 47}, false},
        {{100, 50, 120, 70}, {110, 40, 110, 80}, false},  // zero width
        {{100, 50, 120, 70}, {90, 60, 130, 60}, false},   // zero height
        {{120, 70, 100, 50}, {130, 65, 110, 55}, true},   // both reversed
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGraphObj(c.element).HitBand(view, c.band), c.hit) << c.band.left;
}

TEST(Marks, NinePointsAroundTheStoredRectangle) {
    CGraphObj element(CRect{10, 20, 31, 41});
    const CPoint expected[] = {{10, 20}, {20, 20}, {31, 20}, {31, 30}, {31, 41},
                               {20, 41}, {10, 41}, {10, 30}, {20, 30}};
    ASSERT_EQ(element.GetMarkCount(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(element.GetMarkPoint(i + 1), expected[i]) << i + 1;
    EXPECT_EQ(CGraphObj(CRect{10, 20, 30, 40}).GetMarkRect(5, FakeElementView()),
              (CRect{26, 36, 34, 44}));
}

TEST(Marks, SelectedMarksFrameWhereElementWasThenSnapIt) {
    CGraphObj element(CRect{40, 2, 10, 30});  // reversed, top near the edge
    RecordingDrawSurface surface;
    element.DrawSelectionMarks(surface, CGraphObj::kMarksSelected);
    ASSERT_EQ(surface.calls.size(), 1u);
    EXPECT_EQ(surface.calls[0].kind, RecordingDrawSurface::Kind::FocusRect);
    EXPECT_EQ(surface.calls[0].rect, (CRect{10, 2, 40, 30}));
    EXPECT_EQ(element.GetPosition(), (CRect{40, 0, 10, 28}));
}

TEST(ElementBase, MovingMarksTheDocumentModifiedOnlyWhenSomethingMoves) {
    CTaveloDoc doc;
    CGraphObj& element = doc.AddElement(std::make_unique<CGraphObj>(CRect{0, 0, 10, 10}));
    doc.SetModified(false);
    element.MoveBy(0, 0);
    EXPECT_FALSE(doc.IsModified());
    element.MoveBy(0, -1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(element.GetPosition(), (CRect{0, 0, 10, 10}));  // the base does not offset
}

// Double size, inverse and copying make the size be worked out again.
TEST(ElementBase, CopyKeepsEverythingButScreenDocumentAndSize) {
    CTaveloDoc doc;
    FakeElementView view;
    RecordingDrawSurface surface;
    auto original = std::make_unique<TestElement>("CStaticText", CRect{5, 6, 7, 8});
    for (auto change : {&CGraphObj::SetDoubleSize, &CGraphObj::SetInverse}) {
        original->Draw(view, surface);
        ((*original).*change)(1);
        EXPECT_FALSE(original->IsSizeValid());
    }
    original->SetFillColour(0x123456);
    original->m_nScreenNo = 4;
    original->Draw(view, surface);
    const std::unique_ptr<CGraphObj> copy = doc.AddElement(std::move(original)).Clone();
    EXPECT_FALSE(copy->IsSizeValid());
    EXPECT_EQ(std::tuple(copy->GetPosition(), copy->GetDoubleSize(), copy->GetInverse()),
              std::tuple(CRect{5, 6, 7, 8}, 1, 1));
    EXPECT_EQ(copy->GetFillBrush().m_nColour, 0x123456u);
    EXPECT_EQ(std::pair(copy->m_nScreenNo, copy->GetOwnerDoc()),
              std::pair(-1, static_cast<CTaveloDoc*>(nullptr)));
}

TEST(ElementBase, BaseFieldsAreStoredAsSevenInt32AndReadBack) {
    CGraphObj element(CRect{1, -2, 300, 4});
    element.m_nScreenNo = 7;
    element.SetDoubleSize(1);
    CArchive out("p.ZORX");
    element.SerializeBase(out);
    const test::Bytes expected = test::B({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 4, 0,
                                          0, 0, 7, 0, 0,    0,    1,    0,    0,    0, 0, 0, 0, 0});
    EXPECT_EQ(out.GetBytes(), expected);

    CClassRegistry registry;
    CArchive in(expected, "p.ZORX", registry);
    CGraphObj read;
    read.Serialize(in);
    EXPECT_TRUE(in.IsAtEnd());
    EXPECT_EQ(
        std::tuple(read.GetPosition(), read.m_nScreenNo, read.GetDoubleSize(), read.GetInverse()),
        std::tuple(CRect{1, -2, 300, 4}, 7, 1, 0));
}

}  // namespace
}  // namespace tavelo
