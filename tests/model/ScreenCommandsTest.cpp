#include <gtest/gtest.h>

#include "model/ScreenCommands.h"
#include "model/TaveloDoc.h"
#include "support/TestElement.h"

namespace tavelo {
namespace {

using test::TestElement;

void AddScreens(CTaveloDoc& doc, std::initializer_list<std::int32_t> numbers) {
    for (std::int32_t n : numbers) doc.AddScreen(MakeNewScreen(n, NumberedScreenDescription(n)));
    doc.SetModified(false);
}

void AddOn(CTaveloDoc& doc, std::int32_t screen, const std::string& className, CRect rect,
           bool copyable = true) {
    auto element = std::make_unique<TestElement>(className, rect, nullptr, copyable);
    element->m_nScreenNo = screen;
    doc.AddElement(std::move(element));
}

TEST(ScreenNumberCheck, RefusesNumbersOutsideTheRange) {
    CTaveloDoc doc;
    EXPECT_EQ(CheckScreenNumber(doc, 0), u"画面号 0 超出范围(1至32767)！");
    EXPECT_EQ(CheckScreenNumber(doc, 32768), u"画面号 32768 超出范围(1至32767)！");
    EXPECT_EQ(CheckScreenNumber(doc, 32767), u"");
}

TEST(ScreenNumberCheck, RefusesANumberInUse) {
    CTaveloDoc doc;
    AddScreens(doc, {3});
    EXPECT_EQ(CheckScreenNumber(doc, 3), u"画面号 3 已经存在！");
    EXPECT_EQ(CheckScreenNumber(doc, 4), u"");
}

TEST(NewScreenDialog, ProposesTheNextNumberAndItsDescription) {
    const SNewScreenProposal proposal = ProposeNewScreen(5);
    EXPECT_EQ(proposal.m_nNumber, 6);
    EXPECT_EQ(proposal.m_strDescription, u"画面 6");
    EXPECT_EQ(ProposeNewScreen(std::nullopt).m_nNumber, 1);
}

TEST(NewScreenDialog, ProposalAfterTheLastScreenIsRefused) {
    CTaveloDoc doc;
    const std::int32_t proposed = ProposeScreenNumber(32767);
    EXPECT_EQ(proposed, 32768);
    EXPECT_EQ(CheckScreenNumber(doc, proposed), u"画面号 32768 超出范围(1至32767)！");
}

TEST(ScreenCommands, NewScreenGetsFreshTargetsAndMarksModified) {
    CTaveloDoc doc;
    AddScreens(doc, {1, 9});
    CScreen& screen = DoNewScreen(doc, 5, u"主画面");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(screen.GetUpScreen(), 4);
    EXPECT_EQ(screen.GetDownScreen(), 6);
    EXPECT_EQ(screen.GetDescription(), u"主画面");
    ASSERT_EQ(doc.GetScreens().size(), 3u);
    EXPECT_EQ(doc.GetScreens()[1].get(), &screen);
}

TEST(ScreenCommands, CopyGivesTargetFreshTargetsAndDescription) {
    CTaveloDoc doc;
    CScreen& source = DoNewScreen(doc, 5, u"源");
    source.SetUpScreen(77);
    source.SetDownScreen(88);
    CScreen& copy = DoCopyScreen(doc, 5, 9);
    EXPECT_EQ(copy.GetNumber(), 9);
    EXPECT_EQ(copy.GetDescription(), u"画面 9");
    EXPECT_EQ(copy.GetUpScreen(), 8);
    EXPECT_EQ(copy.GetDownScreen(), 10);
}

TEST(ScreenCommands, CopyAppendsOneCopyOfEachCopyableElementOfTheSource) {
    CTaveloDoc doc;
    AddScreens(doc, {5});
    AddOn(doc, 5, "CStaticText", {1, 2, 3, 4});
    AddOn(doc, 6, "CRegister", {5, 6, 7, 8});
    AddOn(doc, 5, "CRegister", {9, 10, 11, 12});
    AddOn(doc, 5, "CDynamicBitmap", {0, 0, 1, 1}, false);
    DoCopyScreen(doc, 5, 9);
    const auto& elements = doc.GetElements();
    ASSERT_EQ(elements.size(), 6u);
    EXPECT_EQ(elements[4]->m_nScreenNo, 9);
    EXPECT_EQ(elements[4]->GetPosition(), (CRect{1, 2, 3, 4}));
    EXPECT_EQ(elements[4]->GetOwnerDoc(), &doc);
    EXPECT_EQ(elements[5]->m_nScreenNo, 9);
    EXPECT_EQ(elements[5]->GetClassName(), "CRegister");
    EXPECT_NE(doc.FindScreen(9), nullptr);
}

TEST(ScreenCommands, CopyOntoTheSourceNumberEnds) {
    CTaveloDoc doc;
    AddOn(doc, 5, "CStaticText", {1, 2, 3, 4});
    doc.CopyScreen(5, 5);
    EXPECT_EQ(doc.GetElements().size(), 2u);
}

TEST(ScreenCommands, DeletingTheOnlyScreenLeavesAFreshScreenOne) {
    CTaveloDoc doc;
    AddScreens(doc, {4});
    AddOn(doc, 4, "CStaticText", {1, 2, 3, 4});
    const std::int32_t current = DoDeleteScreen(doc, 4);
    EXPECT_EQ(current, 1);
    ASSERT_EQ(doc.GetScreens().size(), 1u);
    const CScreen& screen = *doc.GetScreens().front();
    EXPECT_EQ(screen.GetNumber(), 1);
    EXPECT_EQ(screen.GetUpScreen(), 1);
    EXPECT_EQ(screen.GetDownScreen(), 2);
    EXPECT_EQ(screen.GetDescription(), u"画面 1");
    EXPECT_TRUE(doc.GetElements().empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST(ScreenCommands, DeletingAScreenMakesTheFirstRemainingCurrent) {
    CTaveloDoc doc;
    AddScreens(doc, {2, 7, 9});
    EXPECT_EQ(DoDeleteScreen(doc, 2), 7);
    EXPECT_EQ(doc.GetScreens().size(), 2u);
}

TEST(ScreenProperties, EmptyTargetFieldPostponesTheChange) {
    CTaveloDoc doc;
    AddScreens(doc, {3});
    CScreen& screen = *doc.FindScreen(3);
    const auto result = ApplyScreenProperties(doc, screen, {u"新", u"", u"4"});
    EXPECT_EQ(result.m_outcome, EScreenPropertiesOutcome::Postponed);
    EXPECT_EQ(screen.GetDescription(), u"画面 3");
    EXPECT_FALSE(doc.IsModified());
}

TEST(ScreenProperties, TargetOutOfRangeIsRefusedAndScreenKept) {
    CTaveloDoc doc;
    AddScreens(doc, {3});
    CScreen& screen = *doc.FindScreen(3);
    for (const char16_t* bad : {u"0", u"40000", u"99999999999999999999"}) {
        const auto result = ApplyScreenProperties(doc, screen, {u"新", bad, u"4"});
        EXPECT_EQ(result.m_outcome, EScreenPropertiesOutcome::Refused);
        EXPECT_EQ(result.m_strMessage, u"输入的跳转画面号不正确！");
    }
    EXPECT_EQ(screen.GetUpScreen(), 2);
    EXPECT_EQ(screen.GetDescription(), u"画面 3");
    EXPECT_FALSE(doc.IsModified());
}

TEST(ScreenProperties, TargetNamingAMissingScreenIsAccepted) {
    CTaveloDoc doc;
    AddScreens(doc, {3});
    CScreen& screen = *doc.FindScreen(3);
    const auto result = ApplyScreenProperties(doc, screen, {u"新", u"32767", u"100"});
    EXPECT_EQ(result.m_outcome, EScreenPropertiesOutcome::Applied);
    EXPECT_EQ(screen.GetUpScreen(), 32767);
    EXPECT_EQ(screen.GetDownScreen(), 100);
    EXPECT_EQ(screen.GetDescription(), u"新");
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace tavelo
