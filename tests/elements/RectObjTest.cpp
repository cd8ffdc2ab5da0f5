#include <gtest/gtest.h>

#include "elements/RectObj.h"
#include "model/TaveloDoc.h"
#include "support/ByteHelpers.h"
#include "support/FakeElementView.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using test::B;

TEST(ShapeHitTest, LinesHitNearTheSegmentAndRectanglesWithinHalfTheMarkSize) {
    struct Case {
        CRect position;
        std::int32_t shape;
        CPoint point;
        bool hit;
    };
    const CRect flat{0, 0, 100, 0}, slanted{10, 10, 50, 50}, box{10, 10, 20, 20};
    const Case cases[] = {
        {{10, 10, 10, 10}, CRectObj::kLine, {10, 10}, false},  // zero length
        {flat, CRectObj::kLine, {50, 2}, true},                // tolerance 3
        {flat, CRectObj::kLine, {50, 3}, false},
        {slanted, CRectObj::kLine, {30, 30}, true},
        {slanted, CRectObj::kLine, {60, 60}, false},  // on the extension beyond either end
        {slanted, CRectObj::kLine, {5, 5}, false},
        {box, CRectObj::kRectangle, {22, 15}, true},
        {box, CRectObj::kRectangle, {23, 15}, false},
        {box, CRectObj::kRectangle, {7, 7}, true},
        {box, CRectObj::kRectangle, {6, 7}, false},
    };
    test::FakeElementView view;
    for (const Case& c : cases) {
        const bool hit = CRectObj(c.position, c.shape).HitPoint(view, c.point) != 0;
        EXPECT_EQ(hit, c.hit) << c.point.x << "," << c.point.y;
    }
}

TEST(ShapeHitTest, DistancesAreTruncatedAndAZeroLengthLineIsFarAway) {
    const CRectObj line;
    // 3.2 and 2.4 from the line through (0, 0) and (3, 4).
    EXPECT_EQ(line.DistanceToLine(0, 0, 3, 4, 4, 0), 3);
    EXPECT_EQ(line.DistanceToLine(0, 0, 3, 4, 3, 0), 2);
    EXPECT_EQ(line.DistanceToLine(10, 10, 10, 10, 10, 10), 65);
}

TEST(ShapeMarks, LineHasStartEndAndMiddleAndEveryOtherShapeIsARectangle) {
    const CRectObj line(CRect{10, 20, 50, 60}, CRectObj::kLine);
    EXPECT_EQ(line.GetMarkCount(), 3);
    EXPECT_EQ(line.GetMarkPoint(1), (CPoint{10, 20}));
    EXPECT_EQ(line.GetMarkPoint(2), (CPoint{50, 60}));
    EXPECT_EQ(line.GetMarkPoint(3), (CPoint{30, 40}));
    const CRectObj graph(CRect{10, 20, 50, 60}, 3);
    EXPECT_EQ(graph.GetMarkCount(), 9);
    EXPECT_EQ(graph.GetMarkPoint(2), (CPoint{30, 20}));
}

TEST(ShapeMoves, MovesMarkTheDocumentCornersAreSetAloneAndTopLeftNeverGoesNegative) {
    CTaveloDoc doc;
    auto& rect =
        static_cast<CRectObj&>(doc.AddElement(std::make_unique<CRectObj>(CRect{5, 11, 45, 51})));
    doc.SetModified(false);
    rect.MoveBy(0, 0);
    EXPECT_FALSE(doc.IsModified());
    rect.MoveBy(5, -1);
    EXPECT_TRUE(doc.IsModified());
    rect.SetTopLeft(-4, -3);
    EXPECT_EQ(rect.GetPosition(), (CRect{0, -3, 50, 50}));
    rect.SetPoint(CRectObj::ECorner::TopLeft, -5, 7);
    rect.SetPoint(CRectObj::ECorner::BottomRight, 60, -2);
    EXPECT_EQ(rect.GetPosition(), (CRect{-5, 7, 60, -2}));
    EXPECT_EQ(rect.GetPoint(CRectObj::ECorner::TopLeft), (CPoint{0, 7}));
    EXPECT_EQ(rect.GetPoint(CRectObj::ECorner::BottomRight), (CPoint{60, -2}));
}

TEST(ShapeStorage, OnlyTheShapeByteIsStoredAndLinesAreNotCopied) {
    CRectObj graph(CRect{1, 2, 3, 4}, 2);
    EXPECT_EQ(test::StoreBody(graph), B({2}));
    EXPECT_EQ(graph.Clone(), nullptr);
    EXPECT_EQ(test::LoadBody<CRectObj>(B({3}))->GetShape(), 3);
}

}  // namespace
}  // namespace tavelo
