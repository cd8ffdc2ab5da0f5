#include <gtest/gtest.h>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/Screen.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::Ascii;
using test::B;
using test::Concat;

TEST(ScreenRecord, SetNumberPointsTargetsAtTheNeighbours) {
    CScreen screen;
    screen.SetNumber(1);
    EXPECT_EQ(screen.GetUpScreen(), 0);
    EXPECT_EQ(screen.GetDownScreen(), 2);
    screen.SetNumber(32767);
    EXPECT_EQ(screen.GetUpScreen(), 32766);
    EXPECT_EQ(screen.GetDownScreen(), 32768);
}

TEST(ScreenRecord, NewScreenTargetsStayInsideTheNumberRange) {
    const auto first = MakeNewScreen(1, u"x");
    EXPECT_EQ(first->GetUpScreen(), 1);
    EXPECT_EQ(first->GetDownScreen(), 2);
    const auto last = MakeNewScreen(32767, u"x");
    EXPECT_EQ(last->GetUpScreen(), 32766);
    EXPECT_EQ(last->GetDownScreen(), 32767);
}

TEST(ScreenRecord, KeepsTheBaseClassNameSoNoKindListTakesIt) {
    const CScreen screen;
    EXPECT_EQ(screen.GetClassName(), "CGraphObj");
    EXPECT_EQ(screen.GetRuntimeClassName(), "CScreen");
    EXPECT_EQ(screen.GetDescription(), u"画面");
}

TEST(ScreenRecord, FirstScreenOfANewProjectIsStoredAsTheKnownBytes) {
    const auto screen = MakeNewScreen(1, NumberedScreenDescription(1));
    CArchive out("p.ZORX");
    out.WriteObject(screen.get());
    const test::Bytes expected =
        Concat({B({0xFF, 0xFF, 0, 0, 7, 0}), Ascii("CScreen"), B({1, 0, 0, 0, 1, 0, 0, 0}),
                B({2, 0, 0, 0, 0xFF, 0xFE, 0xFF, 4, 0x3B, 0x75, 0x62, 0x97, 0x20, 0, 0x31, 0})});
    EXPECT_EQ(out.GetBytes(), expected);

    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive in(expected, "p.ZORX", registry);
    const auto read = in.ReadObjectOf<CScreen>("CScreen");
    EXPECT_EQ(read->GetNumber(), 1);
    EXPECT_EQ(read->GetUpScreen(), 1);
    EXPECT_EQ(read->GetDownScreen(), 2);
    EXPECT_EQ(read->GetDescription(), u"画面 1");
}

}  // namespace
}  // namespace tavelo
