#include <gtest/gtest.h>

#include "model/TaveloDoc.h"
#include "support/FakeElementView.h"
#include "support/RecordingDrawSurface.h"
#include "support/TestElement.h"

namespace tavelo {
namespace {

using test::FakeElementView;
using test::RecordingDrawSurface;

std::unique_ptr<test::TestElement> Make(const std::string& className, std::int32_t screen,
                                        CRect rect = {0, 0, 10, 10}, int* destroyed = nullptr) {
    auto element = std::make_unique<test::TestElement>(className, rect, destroyed);
    element->m_nScreenNo = screen;
    return element;
}

CScreen& AddScreen(CTaveloDoc& doc, std::int32_t number) {
    return doc.AddScreen(MakeNewScreen(number, NumberedScreenDescription(number)));
}

// What a project reader leaves: elements in their kind lists, then the rebuilt element list.
CGraphObj* AdoptRead(CTaveloDoc& doc, EElementKind kind, std::int32_t screen,
                     int* destroyed = nullptr) {
    auto element = Make(KindClassName(kind), screen, {0, 0, 10, 10}, destroyed);
    CGraphObj* pointer = element.get();
    doc.AdoptReadElement(kind, std::move(element));
    return pointer;
}

TEST(DocumentOwnership, DeletingAScreenFreesReadAndNewElementsOnceAndSparesOthers) {
    CTaveloDoc doc;
    CScreen& screen = AddScreen(doc, 2);
    int destroyed = 0;
    int otherDestroyed = 0;
    CGraphObj* read = AdoptRead(doc, EElementKind::Registers, 2, &destroyed);
    AdoptRead(doc, EElementKind::StaticTexts, 3, &otherDestroyed);
    doc.RebuildElementList();
    doc.AddElement(Make("CIndicator", 2, {}, &destroyed));
    doc.SetModified(false);
    CTaveloDoc other;
    EXPECT_FALSE(doc.DeleteScreen(&AddScreen(other, 2)));  // another document's screen
    EXPECT_EQ(doc.GetScreens().size(), 1u);
    EXPECT_FALSE(doc.IsModified());

    EXPECT_TRUE(doc.DeleteScreen(&screen));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(otherDestroyed, 0);
    EXPECT_FALSE(doc.IsInKindList(read));
    EXPECT_EQ(doc.GetKindList(EElementKind::StaticTexts).size(), 1u);
    EXPECT_EQ(doc.GetElements().size(), 1u);
    EXPECT_TRUE(doc.GetScreens().empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST(DocumentOwnership, EveryElementIsFreedOnceWhicheverListsHoldIt) {
    int destroyed = 0;
    CTaveloDoc doc;
    CGraphObj* pending = AdoptRead(doc, EElementKind::Registers, 1, &destroyed);
    doc.DeleteElement(pending);  // during a read, before the element list is rebuilt
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(doc.IsInKindList(pending));
    AdoptRead(doc, EElementKind::DynamicTexts, 1, &destroyed);
    AdoptRead(doc, EElementKind::TrendBars, 1, &destroyed);
    doc.RebuildElementList();
    doc.AddElement(Make("CRectObj", 1, {}, &destroyed));  // in the element list only
    doc.ClearAll();
    EXPECT_EQ(destroyed, 4);
    EXPECT_TRUE(doc.GetElements().empty());
    EXPECT_TRUE(doc.IsModified());
    AdoptRead(doc, EElementKind::Indicators, 1, &destroyed);
    doc.DeleteAll();
    EXPECT_EQ(destroyed, 5);
    EXPECT_TRUE(doc.GetKindList(EElementKind::Indicators).empty());
}

TEST(DocumentOwnership, RemovedElementGoesToTheCaller) {
    int destroyed = 0;
    CTaveloDoc doc;
    CGraphObj* read = AdoptRead(doc, EElementKind::Registers, 1, &destroyed);
    doc.RebuildElementList();
    doc.SetModified(false);

    std::unique_ptr<CGraphObj> removed = doc.RemoveElement(read);
    ASSERT_EQ(removed.get(), read);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.IsInKindList(read));
    doc.RemoveFromKindLists(read);
    EXPECT_FALSE(doc.IsInKindList(read));
    removed.reset();
    EXPECT_EQ(destroyed, 1);
    doc.DeleteAll();
    EXPECT_EQ(destroyed, 1);
}

TEST(DocumentElements, ElementAtReturnsTheLaterOfTwoOverlapping) {
    CTaveloDoc doc;
    FakeElementView view;
    doc.AddElement(Make("CStaticText", 1, {0, 0, 20, 20}));
    CGraphObj& later = doc.AddElement(Make("CRegister", 1, {10, 10, 30, 30}));
    doc.AddElement(Make("CIndicator", 2, {0, 0, 40, 40}));
    EXPECT_EQ(doc.ElementAt({15, 15}, view), &later);
    EXPECT_EQ(doc.ElementAt({5, 5}, view), doc.GetElements()[0].get());
    EXPECT_EQ(doc.ElementAt({35, 35}, view), nullptr);
}

TEST(DocumentElements, DrawScreenDrawsUnselectedFirstThenSelectedWithMarksUnlessPreviewing) {
    CTaveloDoc doc;
    FakeElementView view;
    CGraphObj& selected = doc.AddElement(Make("CStaticText", 1, {10, 10, 20, 20}));
    doc.AddElement(Make("CRegister", 1, {30, 10, 40, 20}));
    doc.AddElement(Make("CRegister", 2, {50, 10, 60, 20}));
    view.selection = {&selected};
    RecordingDrawSurface surface;
    doc.DrawScreen(surface, view);

    using Kind = RecordingDrawSurface::Kind;
    ASSERT_EQ(surface.calls.size(), 3u);
    EXPECT_EQ(surface.calls[0].rect, (CRect{30, 10, 40, 20}));
    EXPECT_EQ(surface.calls[1].rect, (CRect{10, 10, 20, 20}));
    EXPECT_EQ(surface.calls[2].kind, Kind::FocusRect);
    EXPECT_EQ(doc.GetElements().front().get(), &selected);

    view.placementPreview = true;
    surface.calls.clear();
    doc.DrawScreen(surface, view);
    ASSERT_EQ(surface.calls.size(), 2u);
    for (const auto& call : surface.calls) EXPECT_EQ(call.kind, Kind::Rectangle);
}

TEST(DocumentElements, RedrawsKeepTheListOrderAndBringToFrontMovesOneElementOnce) {
    CTaveloDoc doc;
    FakeElementView view;
    CGraphObj& first = doc.AddElement(Make("CStaticText", 1, {0, 0, 20, 20}));
    CGraphObj& second = doc.AddElement(Make("CRegister", 1, {0, 0, 20, 20}));
    view.selection = {&first, &second};
    RecordingDrawSurface surface;
    doc.DrawScreen(surface, view);
    doc.DrawScreen(surface, view);
    EXPECT_EQ(doc.GetElements()[0].get(), &first);

    doc.SetModified(false);
    doc.BringToFront(&first);
    EXPECT_EQ(doc.GetElements()[0].get(), &second);
    EXPECT_EQ(doc.ElementAt({5, 5}, view), &first);
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentLists, KindListsFollowTheClassNameAndTheElementListTheirDrawingOrder) {
    CTaveloDoc doc;
    CGraphObj& text = doc.AddElement(Make("CStaticText", 1));
    doc.AddElement(Make("CRectObj", 1));
    CGraphObj& reg = doc.AddElement(Make("CRegister", 1));
    doc.BuildKindLists();
    EXPECT_EQ(doc.GetKindList(EElementKind::StaticTexts), CTaveloDoc::KindList{&text});
    EXPECT_EQ(doc.GetKindList(EElementKind::Registers), CTaveloDoc::KindList{&reg});
    EXPECT_FALSE(doc.IsInKindList(doc.GetElements()[1].get()));

    CTaveloDoc read;
    for (EElementKind kind : kFileKindOrder) AdoptRead(read, kind, 1);
    read.RebuildElementList();
    const std::vector<std::string> expected = {"CStaticText",  "CDynamicBitmap", "CDynamicText",
                                               "CFunctionKey", "CIndicator",     "CRegister",
                                               "CTrendBar",    "CStaticBitmap"};
    std::vector<std::string> names;
    for (const auto& element : read.GetElements()) names.push_back(element->GetClassName());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(read.GetElements()[0]->GetOwnerDoc(), &read);
}

TEST(DocumentScreens, AddScreenKeepsAscendingNumbers) {
    CTaveloDoc doc;
    for (std::int32_t number : {5, 1, 9}) AddScreen(doc, number);
    doc.AdoptReadScreen(MakeNewScreen(3, u""));
    std::vector<std::int32_t> numbers;
    for (const auto& screen : doc.GetScreens()) numbers.push_back(screen->GetNumber());
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{1, 3, 5, 9}));
    EXPECT_EQ(doc.GetFirstScreenNumber(), 1);
    doc.DeleteAllScreens();
    EXPECT_EQ(doc.GetFirstScreenNumber(), -1);
}

}  // namespace
}  // namespace tavelo
