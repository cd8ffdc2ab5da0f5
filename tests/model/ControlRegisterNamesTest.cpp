#include <gtest/gtest.h>

#include <array>

#include "model/ControlRegisterNames.h"

namespace tavelo {
namespace {

using Names = std::array<std::u16string, 3>;

TEST(ControlRegisterNames, NameTheRegisterAndTheNextTwoByTheUnitWidth) {
    EXPECT_EQ(NameControlRegisters(u"DM", 2, 100), (Names{u"DM100", u"DM101", u"DM102"}));
    // Names listed with a trailing blank read the same as the general rule gives.
    EXPECT_EQ(NameControlRegisters(u"HR ", 2, 7), (Names{u"HR7", u"HR8", u"HR9"}));
    // A name ending in a digit keeps a space unless the width joins it.
    EXPECT_EQ(NameControlRegisters(u"T1", 2, 5), (Names{u"T1 5", u"T1 6", u"T1 7"}));
    EXPECT_EQ(NameControlRegisters(u"T1", 1, 5), (Names{u"T1 5", u"T16", u"T17"}));
    // The top of the range does not overflow.
    EXPECT_EQ(NameControlRegisters(u"C", 4, 2147483647),
              (Names{u"C2147483647", u"C2147483651", u"C2147483655"}));
}

}  // namespace
}  // namespace tavelo
