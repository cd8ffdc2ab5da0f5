#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/GraphObj.h"
#include "model/ModelClasses.h"
#include "model/TaveloDoc.h"
#include "support/ByteHelpers.h"
#include "support/FakeElementView.h"
#include "support/RecordingDrawSurface.h"
#include "support/TestElement.h"

namespace tavelo {
namespace {

using test::B;
using test::FakeElementView;
using test::RecordingDrawSurface;
using test::TestElement;

CRect Clamped(CRect rect) {
    CGraphObj element(rect);
    element.ClampToCanvas();
    return element.GetPosition();
}

TEST(CanvasRule, NearLeftEdgeSnapsToItKeepingWidth) {
    EXPECT_EQ(Clamped({2, 10, 100, 20}), (CRect{0, 10, 98, 20}));
}

TEST(CanvasRule, LeftEdgeExactlyAtThresholdStaysEvenPastRightEdge) {
    EXPECT_EQ(Clamped({3, 10, 440, 20}), (CRect{3, 10, 440, 20}));
}

TEST(CanvasRule, WiderThanCanvasIsCutToIt) {
    EXPECT_EQ(Clamped({-10, 10, 500, 20}), (CRect{0, 10, 432, 20}));
}

TEST(CanvasRule, PastRightEdgeMovesBackInsideKeepingWidth) {
    EXPECT_EQ(Clamped({400, 10, 450, 20}), (CRect{382, 10, 432, 20}));
}

TEST(CanvasRule, VerticalRuleUsesCanvasHeight) {
    EXPECT_EQ(Clamped({10, 1, 20, 50}), (CRect{10, 0, 20, 49}));
    EXPECT_EQ(Clamped({10, 130, 20, 150}), (CRect{10, 124, 20, 144}));
    EXPECT_EQ(Clamped({10, -5, 20, 200}), (CRect{10, 0, 20, 144}));
}

TEST(CanvasRule, ExtremeCoordinatesFromAFileDoNotOverflow) {
    const CRect rect = Clamped({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    EXPECT_EQ(rect, (CRect{0, 0, 432, 144}));
}

TEST(BandTest, BandJustOutsideWithinHalfMarkSizeHits) {
    FakeElementView view;  // mark size 6: margin 3
    CGraphObj element(CRect{100, 50, 120, 70});
    EXPECT_TRUE(element.HitBand(view, {122, 60, 123, 61}));
    EXPECT_FALSE(element.HitBand(view, {123, 60, 124, 61}));
    EXPECT_TRUE(element.HitBand(view, {60, 47, 200, 48}));
    EXPECT_FALSE(element.HitBand(view, {60, 46, 200, 47}));
}

TEST(BandTest, BandOfZeroWidthOrHeightNeverHits) {
    FakeElementView view;
    CGraphObj element(CRect{100, 50, 120, 70});
    EXPECT_FALSE(element.HitBand(view, {110, 40, 110, 80}));
    EXPECT_FALSE(element.HitBand(view, {90, 60, 130, 60}));
}

TEST(BandTest, ReversedElementAndBandAreNormalised) {
    FakeElementView view;
    CGraphObj element(CRect{120, 70, 100, 50});
    EXPECT_TRUE(element.HitBand(view, {130, 65, 110, 55}));
}

TEST(Marks, NinePointsAroundTheStoredRectangle) {
    CGraphObj element(CRect{10, 20, 31, 41});
    EXPECT_EQ(element.GetMarkCount(), 9);
    EXPECT_EQ(element.GetMarkPoint(1), (CPoint{10, 20}));
    EXPECT_EQ(element.GetMarkPoint(2), (CPoint{20, 20}));
    EXPECT_EQ(element.GetMarkPoint(3), (CPoint{31, 20}));
    EXPECT_EQ(element.GetMarkPoint(4), (CPoint{31, 30}));
    EXPECT_EQ(element.GetMarkPoint(5), (CPoint{31, 41}));
    EXPECT_EQ(element.GetMarkPoint(6), (CPoint{20, 41}));
    EXPECT_EQ(element.GetMarkPoint(7), (CPoint{10, 41}));
    EXPECT_EQ(element.GetMarkPoint(8), (CPoint{10, 30}));
    EXPECT_EQ(element.GetMarkPoint(9), (CPoint{20, 30}));
}

TEST(Marks, MarkRectIsSquareOfHalfMarkSizePlusOne) {
    FakeElementView view;
    CGraphObj element(CRect{10, 20, 30, 40});
    EXPECT_EQ(element.GetMarkRect(5, view), (CRect{26, 36, 34, 44}));
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

TEST(ElementBase, MoveMarksDocumentModifiedOnlyWhenItMoves) {
    CTaveloDoc doc;
    CGraphObj& element = doc.AddElement(std::make_unique<CGraphObj>(CRect{0, 0, 10, 10}));
    doc.SetModified(false);
    element.MoveBy(0, 0);
    EXPECT_FALSE(doc.IsModified());
    element.MoveBy(0, -1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(element.GetPosition(), (CRect{0, 0, 10, 10}));  // the base does not offset
}

TEST(ElementBase, ColourChangesAskTheDocumentToRedrawItsViews) {
    CTaveloDoc doc;
    int redraws = 0;
    doc.SetViewUpdater([&redraws] { ++redraws; });
    CGraphObj& element = doc.AddElement(std::make_unique<CGraphObj>());
    element.SetOutlineColour(0x0000FF);
    element.SetFillColour(0x00FF00);
    EXPECT_EQ(redraws, 2);
    EXPECT_EQ(element.GetOutlinePen().m_nColour, 0x0000FFu);
    EXPECT_EQ(element.GetFillBrush().m_nColour, 0x00FF00u);
}

TEST(ElementBase, DoubleSizeAndInverseMakeTheSizeBeWorkedOutAgain) {
    FakeElementView view;
    RecordingDrawSurface surface;
    TestElement element("CStaticText", {0, 0, 10, 10});
    element.Draw(view, surface);
    element.SetDoubleSize(1);
    EXPECT_FALSE(element.IsSizeValid());
    element.Draw(view, surface);
    element.SetInverse(1);
    EXPECT_FALSE(element.IsSizeValid());
    element.Draw(view, surface);
    EXPECT_FALSE(element.Clone()->IsSizeValid());
}

TEST(ElementBase, CopyKeepsEverythingButScreenAndDocument) {
    CTaveloDoc doc;
    auto original = std::make_unique<TestElement>("CStaticText", CRect{5, 6, 7, 8});
    original->SetDoubleSize(1);
    original->SetInverse(1);
    original->SetFillColour(0x123456);
    original->m_nScreenNo = 4;
    CGraphObj& added = doc.AddElement(std::move(original));
    const std::unique_ptr<CGraphObj> copy = added.Clone();
    EXPECT_EQ(copy->GetPosition(), (CRect{5, 6, 7, 8}));
    EXPECT_EQ(copy->GetDoubleSize(), 1);
    EXPECT_EQ(copy->GetInverse(), 1);
    EXPECT_EQ(copy->GetFillBrush().m_nColour, 0x123456u);
    EXPECT_EQ(copy->m_nScreenNo, -1);
    EXPECT_EQ(copy->GetOwnerDoc(), nullptr);
}

TEST(ElementBase, BaseFieldsAreStoredAsSevenInt32AndReadBack) {
    CGraphObj element(CRect{1, -2, 300, 4});
    element.m_nScreenNo = 7;
    element.SetDoubleSize(1);
    CArchive out("p.ZORX");
    element.SerializeBase(out);
    const test::Bytes expected = B({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 4, 0,
                                    0, 0, 7, 0, 0,    0,    1,    0,    0,    0, 0, 0, 0, 0});
    EXPECT_EQ(out.GetBytes(), expected);

    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive in(expected, "p.ZORX", registry);
    CGraphObj read;
    read.Serialize(in);
    EXPECT_EQ(read.GetPosition(), (CRect{1, -2, 300, 4}));
    EXPECT_EQ(read.m_nScreenNo, 7);
    EXPECT_EQ(read.GetDoubleSize(), 1);
    EXPECT_EQ(read.GetInverse(), 0);
    EXPECT_TRUE(in.IsAtEnd());
}

}  // namespace
}  // namespace tavelo
