#include <gtest/gtest.h>

#include "elements/ElementClasses.h"
#include "elements/RectObj.h"
#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/TaveloDoc.h"
#include "support/ByteHelpers.h"
#include "support/FakeElementView.h"
#include "support/RecordingDrawSurface.h"

namespace tavelo {
namespace {

using test::B;
using test::FakeElementView;
using test::RecordingDrawSurface;

TEST(LineHitTest, ZeroLengthLineIsNeverHit) {
    FakeElementView view;
    const CRectObj line(CRect{10, 10, 10, 10}, CRectObj::kLine);
    EXPECT_EQ(line.HitPoint(view, {10, 10}), 0);
    EXPECT_EQ(line.DistanceToLine(10, 10, 10, 10, 10, 10), 65);
}

TEST(LineHitTest, PointNearTheMiddleHitsAndFartherAwayMisses) {
    FakeElementView view;  // tolerance 3
    const CRectObj line(CRect{0, 0, 100, 0}, CRectObj::kLine);
    EXPECT_NE(line.HitPoint(view, {50, 2}), 0);
    EXPECT_EQ(line.HitPoint(view, {50, 3}), 0);
}

TEST(LineHitTest, PointBeyondEitherEndOnTheExtensionMisses) {
    FakeElementView view;
    const CRectObj line(CRect{10, 10, 50, 50}, CRectObj::kLine);
    EXPECT_EQ(line.HitPoint(view, {60, 60}), 0);
    EXPECT_EQ(line.HitPoint(view, {5, 5}), 0);
    EXPECT_NE(line.HitPoint(view, {30, 30}), 0);
}

TEST(LineHitTest, DistancesAreTruncated) {
    const CRectObj line;
    // 3.2 and 2.4 from the line through (0, 0) and (3, 4).
    EXPECT_EQ(line.DistanceToLine(0, 0, 3, 4, 4, 0), 3);
    EXPECT_EQ(line.DistanceToLine(0, 0, 3, 4, 3, 0), 2);
}

TEST(RectangleHitTest, HitsInsideTheRectangleWidenedByHalfTheMarkSize) {
    FakeElementView view;
    const CRectObj rect(CRect{10, 10, 20, 20}, CRectObj::kRectangle);
    EXPECT_NE(rect.HitPoint(view, {22, 15}), 0);
    EXPECT_EQ(rect.HitPoint(view, {23, 15}), 0);
    EXPECT_NE(rect.HitPoint(view, {7, 7}), 0);
    EXPECT_EQ(rect.HitPoint(view, {6, 7}), 0);
}

TEST(ShapeMarks, LineHasStartEndAndMiddle) {
    const CRectObj line(CRect{10, 20, 50, 60}, CRectObj::kLine);
    EXPECT_EQ(line.GetMarkCount(), 3);
    EXPECT_EQ(line.GetMarkPoint(1), (CPoint{10, 20}));
    EXPECT_EQ(line.GetMarkPoint(2), (CPoint{50, 60}));
    EXPECT_EQ(line.GetMarkPoint(3), (CPoint{30, 40}));
}

TEST(ShapeMarks, EveryNonZeroShapeIsARectangle) {
    const CRectObj graph(CRect{10, 20, 50, 60}, 3);
    EXPECT_EQ(graph.GetMarkCount(), 9);
    EXPECT_EQ(graph.GetMarkPoint(2), (CPoint{30, 20}));
}

TEST(ShapeDrawing, RectangleHasGreyFillAndBlackOneUnitFrame) {
    FakeElementView view;
    CRectObj rect(CRect{1, 2, 3, 4}, CRectObj::kRectangle);
    RecordingDrawSurface surface;
    rect.Draw(view, surface);
    ASSERT_EQ(surface.calls.size(), 1u);
    const auto& call = surface.calls[0];
    EXPECT_EQ(call.kind, RecordingDrawSurface::Kind::Rectangle);
    EXPECT_EQ(call.rect, (CRect{1, 2, 3, 4}));
    ASSERT_TRUE(call.pen && call.brush);
    EXPECT_EQ(call.pen->m_nColour, 0x000000u);
    EXPECT_EQ(call.pen->m_nWidthX, 1);
    EXPECT_EQ(call.brush->m_nColour, 0xC0C0C0u);
}

TEST(ShapeDrawing, LineRunsFromTopLeftToBottomRight) {
    FakeElementView view;
    CRectObj line(CRect{40, 30, 10, 5}, CRectObj::kLine);
    RecordingDrawSurface surface;
    line.Draw(view, surface);
    ASSERT_EQ(surface.calls.size(), 1u);
    EXPECT_EQ(surface.calls[0].kind, RecordingDrawSurface::Kind::Line);
    EXPECT_EQ(surface.calls[0].rect, (CRect{40, 30, 10, 5}));
}

TEST(ShapeMoves, MoveByOffsetsAndMarksTheDocument) {
    CTaveloDoc doc;
    CGraphObj& rect = doc.AddElement(std::make_unique<CRectObj>(CRect{1, 2, 3, 4}));
    doc.SetModified(false);
    rect.MoveBy(0, 0);
    EXPECT_FALSE(doc.IsModified());
    rect.MoveBy(5, -1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(rect.GetPosition(), (CRect{6, 1, 8, 3}));
}

TEST(ShapeMoves, SetTopLeftKeepsBottomRightAndRefusesNegativeLeft) {
    CRectObj rect(CRect{10, 10, 50, 50});
    rect.SetTopLeft(-4, -3);
    EXPECT_EQ(rect.GetPosition(), (CRect{0, -3, 50, 50}));
}

TEST(ShapeMoves, CornersAreSetAloneAndTopLeftIsReportedNonNegative) {
    CRectObj rect(CRect{10, 10, 50, 50});
    rect.SetPoint(CRectObj::ECorner::TopLeft, -5, 7);
    rect.SetPoint(CRectObj::ECorner::BottomRight, 60, -2);
    EXPECT_EQ(rect.GetPosition(), (CRect{-5, 7, 60, -2}));
    EXPECT_EQ(rect.GetPoint(CRectObj::ECorner::TopLeft), (CPoint{0, 7}));
    EXPECT_EQ(rect.GetPoint(CRectObj::ECorner::BottomRight), (CPoint{60, -2}));
}

TEST(ShapeStorage, OnlyTheShapeByteIsStoredAndLinesAreNotCopied) {
    CRectObj graph(CRect{1, 2, 3, 4}, 2);
    CArchive out("p.ZORX");
    graph.Serialize(out);
    EXPECT_EQ(out.GetBytes(), B({2}));
    EXPECT_EQ(graph.Clone(), nullptr);

    CClassRegistry registry;
    RegisterElementClasses(registry);
    ASSERT_TRUE(registry.IsRegistered("CRectObj"));
    const test::Bytes bytes = B({3});
    CArchive in(bytes, "p.ZORX", registry);
    CRectObj read;
    read.Serialize(in);
    EXPECT_EQ(read.GetShape(), 3);
    EXPECT_EQ(read.GetClassName(), "CRectObj");
}

}  // namespace
}  // namespace tavelo
