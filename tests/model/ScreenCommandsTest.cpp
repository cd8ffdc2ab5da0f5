#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "model/ScreenCommands.h"
#include "model/TaveloDoc.h"
#include "support/TestElement.h"

namespace tavelo {
namespace {

void AddScreens(CTaveloDoc& doc, std::initializer_list<std::int32_t> numbers) {
    for (std::int32_t n : numbers) doc.AddScreen(MakeNewScreen(n, NumberedScreenDescription(n)));
    doc.SetModified(false);
}

void AddOn(CTaveloDoc& doc, std::int32_t screen, const std::string& className, CRect rect,
           bool copyable = true) {
    auto element = std::make_unique<test::TestElement>(className, rect, nullptr, copyable);
    element->m_nScreenNo = screen;
    doc.AddElement(std::move(element));
}

// Number, up and down targets, description.
using ScreenFields = std::tuple<std::int32_t, std::int32_t, std::int32_t, std::u16string>;
ScreenFields Fields(const CScreen& s) {
    return {s.GetNumber(), s.GetUpScreen(), s.GetDownScreen(), s.GetDescription()};
}

TEST(ScreenRecord, SetNumberPointsAtTheNeighboursAndNewScreensKeepTargetsInRange) {
    const struct {
        std::int32_t number, up, down, newUp, newDown;
    } cases[] = {{1, 0, 2, 1, 2}, {32767, 32766, 32768, 32766, 32767}};
    for (const auto& c : cases) {
        CScreen screen;
        screen.SetNumber(c.number);
        EXPECT_EQ(std::pair(screen.GetUpScreen(), screen.GetDownScreen()), std::pair(c.up, c.down));
        const auto made = MakeNewScreen(c.number, u"x");
        EXPECT_EQ(std::pair(made->GetUpScreen(), made->GetDownScreen()),
                  std::pair(c.newUp, c.newDown));
    }
}

TEST(ScreenNumberCheck, RefusesNumbersOutsideOneTo32767AndNumbersInUse) {
    CTaveloDoc doc;
    AddScreens(doc, {3});
    EXPECT_EQ(CheckScreenNumber(doc, 0), u"画面号 0 超出范围(1至32767)！");
    EXPECT_EQ(CheckScreenNumber(doc, 32768), u"画面号 32768 超出范围(1至32767)！");
    EXPECT_EQ(CheckScreenNumber(doc, 3), u"画面号 3 已经存在！");
    EXPECT_EQ(CheckScreenNumber(doc, 4), u"");
    EXPECT_EQ(CheckScreenNumber(doc, 32767), u"");
}

TEST(NewScreenDialog, ProposesTheNextNumberAndNamesItWhenRefusedEvenAbove32767) {
    EXPECT_EQ(ProposeNewScreen(std::nullopt).m_nNumber, 1);
    EXPECT_EQ(ProposeScreenNumber(32767), 32768);
    CTaveloDoc doc;
    AddScreens(doc, {40000});  // as a stored file may hold
    const SNewScreenProposal proposal = ProposeNewScreen(40000);
    EXPECT_EQ(proposal.m_nNumber, 40001);
    EXPECT_EQ(proposal.m_strDescription, u"画面 40001");
    EXPECT_EQ(CheckScreenNumber(doc, ProposeScreenNumber(40000)),
              u"画面号 40001 超出范围(1至32767)！");
    constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(ProposeScreenNumber(kIntMax), kIntMax);
}

TEST(ScreenCommands, NewAndCopiedScreensGetFreshTargetsAndCopiesOfCopyableElements) {
    CTaveloDoc doc;
    CScreen& source = DoNewScreen(doc, 5, u"源");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Fields(source), (ScreenFields{5, 4, 6, u"源"}));
    EXPECT_EQ(doc.FindScreen(5), &source);
    source.SetUpScreen(77);
    source.SetDownScreen(88);
    AddOn(doc, 5, "CStaticText", {1, 2, 3, 4});
    AddOn(doc, 6, "CRegister", {5, 6, 7, 8});
    AddOn(doc, 5, "CRegister", {9, 10, 11, 12});
    AddOn(doc, 5, "CDynamicBitmap", {0, 0, 1, 1}, false);
    CScreen& copy = DoCopyScreen(doc, 5, 9);
    EXPECT_EQ(Fields(copy), (ScreenFields{9, 8, 10, u"画面 9"}));
    EXPECT_EQ(doc.FindScreen(9), &copy);
    const auto& elements = doc.GetElements();
    ASSERT_EQ(elements.size(), 6u);
    EXPECT_EQ(std::tuple(elements[4]->m_nScreenNo, elements[4]->GetPosition(),
                         elements[4]->GetOwnerDoc()),
              std::tuple(9, CRect{1, 2, 3, 4}, &doc));
    EXPECT_EQ(std::pair(elements[5]->m_nScreenNo, elements[5]->GetClassName()),
              std::pair(9, std::string("CRegister")));
}

TEST(ScreenCommands, CopyOntoTheSourceNumberEndsAlthoughTheWalkMeetsTheCopies) {
    CTaveloDoc doc;
    AddOn(doc, 5, "CStaticText", {1, 2, 3, 4});
    doc.CopyScreen(5, 5);
    EXPECT_EQ(doc.GetElements().size(), 2u);
}

TEST(ScreenCommands, DeletingMakesTheFirstRemainingCurrentOrLeavesAFreshScreenOne) {
    CTaveloDoc doc;
    AddScreens(doc, {2, 7});
    AddOn(doc, 7, "CStaticText", {1, 2, 3, 4});
    EXPECT_EQ(DoDeleteScreen(doc, 2), 7);
    EXPECT_EQ(doc.GetScreens().size(), 1u);
    doc.SetModified(false);
    EXPECT_EQ(DoDeleteScreen(doc, 7), 1);
    ASSERT_EQ(doc.GetScreens().size(), 1u);
    EXPECT_EQ(Fields(*doc.GetScreens().front()), (ScreenFields{1, 1, 2, u"画面 1"}));
    EXPECT_TRUE(doc.GetElements().empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST(ScreenProperties, TargetsAreAppliedPostponedOrRefusedByTheirFields) {
    using enum EScreenPropertiesOutcome;
    const char16_t* const kBadTarget = u"输入的跳转画面号不正确！";
    const ScreenFields unchanged{3, 2, 4, u"画面 3"};
    const struct {
        const char16_t *up, *down;
        EScreenPropertiesOutcome outcome;
        const char16_t* message;
        ScreenFields after;
    } cases[] = {
        {u"", u"4", Postponed, u"", unchanged},  // still typing
        {u"0", u"4", Refused, kBadTarget, unchanged},
        {u"40000", u"4", Refused, kBadTarget, unchanged},
        {u"99999999999999999999", u"4", Refused, kBadTarget, unchanged},
        {u"32767", u"100", Applied, u"", {3, 32767, 100, u"新"}},  // a missing screen is valid
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.up)));
        CTaveloDoc doc;
        AddScreens(doc, {3});
        CScreen& screen = *doc.FindScreen(3);
        const auto result = ApplyScreenProperties(doc, screen, {u"新", c.up, c.down});
        EXPECT_EQ(result.m_outcome, c.outcome);
        EXPECT_EQ(result.m_strMessage, c.message);
        EXPECT_EQ(Fields(screen), c.after);
        EXPECT_EQ(doc.IsModified(), c.outcome == Applied);
    }
}

}  // namespace
}  // namespace tavelo
