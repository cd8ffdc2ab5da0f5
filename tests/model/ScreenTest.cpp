#include <gtest/gtest.h>

#include <tuple>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/Screen.h"
#include "support/ByteHelpers.h"

namespace tavelo {
namespace {

using test::B;

TEST(ScreenRecord, TargetsPointAtTheNeighboursAndANewScreensStayInRange) {
    const struct {
        std::int32_t number, up, down, newUp, newDown;
    } cases[] = {{1, 0, 2, 1, 2}, {32767, 32766, 32768, 32766, 32767}};
    for (const auto& c : cases) {
        CScreen screen;
        screen.SetNumber(c.number);
        EXPECT_EQ(screen.GetUpScreen(), c.up) << c.number;
        EXPECT_EQ(screen.GetDownScreen(), c.down) << c.number;
        const auto made = MakeNewScreen(c.number, u"x");
        EXPECT_EQ(made->GetUpScreen(), c.newUp) << c.number;
        EXPECT_EQ(made->GetDownScreen(), c.newDown) << c.number;
    }
}

TEST(ScreenRecord, FirstScreenIsStoredAsTheKnownBytes) {
    EXPECT_EQ(CScreen().GetClassName(), "CGraphObj");  // so that no kind list takes a screen
    CArchive out("p.ZORX");
    out.WriteObject(MakeNewScreen(1, NumberedScreenDescription(1)).get());
    const test::Bytes expected = test::Concat(
        {B({0xFF, 0xFF, 0, 0, 7, 0}), test::Ascii("CScreen"), B({1, 0, 0, 0, 1, 0, 0, 0}),
         B({2, 0, 0, 0, 0xFF, 0xFE, 0xFF, 4, 0x3B, 0x75, 0x62, 0x97, 0x20, 0, 0x31, 0})});
    EXPECT_EQ(out.GetBytes(), expected);

    CClassRegistry registry;
    RegisterModelClasses(registry);
    CArchive in(expected, "p.ZORX", registry);
    const auto read = in.ReadObjectOf<CScreen>("CScreen");
    EXPECT_EQ(std::tuple(read->GetNumber(), read->GetUpScreen(), read->GetDownScreen()),
              std::tuple(1, 1, 2));
    EXPECT_EQ(read->GetDescription(), u"画面 1");
}

}  // namespace
}  // namespace tavelo
