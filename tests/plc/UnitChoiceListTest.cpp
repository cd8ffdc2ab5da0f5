#include <gtest/gtest.h>

#include "plc/UnitChoiceList.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::MakeUnit;
using NameList = std::vector<std::u16string>;

// Byte units D (1) and R (1 again), bit unit M (2), byte-and-bit unit W (3), odd kind Z (4).
const CPLC kMixed = test::MakePlc(
    u"Mixed", {MakeUnit(u"D", CRegUnitConfig::kByte, 1), MakeUnit(u"M", CRegUnitConfig::kBit, 2),
               MakeUnit(u"W", CRegUnitConfig::kByteAndBit, 3),
               MakeUnit(u"R", CRegUnitConfig::kByte, 1), MakeUnit(u"Z", 7, 4)});

TEST(UnitChoiceList, EachFilterListsItsAddressingKindsInUnitOrderByItsLowEightBits) {
    const std::pair<std::int32_t, NameList> cases[] = {
        {0, {u"D", u"R"}},
        {1, {u"M"}},
        {2, {u"W"}},
        {3, {u"D", u"M", u"R"}},
        {4, {u"D", u"W", u"R"}},
        {5, {u"M", u"W"}},
        {0x103, {u"D", u"M", u"R"}},
        {0x7F05, {u"M", u"W"}},
        {0x200, {u"D", u"R"}},
        {6, {}},
        {0xFF, {}},
        {-1, {}},
    };
    for (const auto& [filter, names] : cases)
        EXPECT_EQ(CUnitChoiceList(kMixed, filter, 0).GetNames(), names) << filter;
    EXPECT_EQ(CUnitChoiceList(kMixed, 4, 0).GetUnitIndices(), (std::vector<std::size_t>{0, 2, 3}));
}

TEST(UnitChoiceList, PreselectsTheLastListedUnitWithTheTypeNumberElseTheFirstEntryOrNone) {
    EXPECT_EQ(CUnitChoiceList(kMixed, 3, 1).GetSelection(), 2);  // R, not D
    EXPECT_EQ(CUnitChoiceList(kMixed, 5, 3).GetSelection(), 1);
    EXPECT_EQ(CUnitChoiceList(kMixed, 1, 1).GetSelection(), 0);
    EXPECT_EQ(CUnitChoiceList(kMixed, 0, 4).GetSelection(), 0);
    EXPECT_EQ(CUnitChoiceList(kMixed, 9, 1).GetSelection(), CUnitChoiceList::kNoSelection);
    EXPECT_EQ(CUnitChoiceList(CPLC(), 3, 1).GetSelection(), CUnitChoiceList::kNoSelection);
    EXPECT_TRUE(CUnitChoiceList(CPLC(), 3, 1).GetNames().empty());
}

}  // namespace
}  // namespace tavelo
