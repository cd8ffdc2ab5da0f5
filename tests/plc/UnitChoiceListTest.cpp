#include <gtest/gtest.h>

#include "plc/UnitChoiceList.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using test::MakePlc;
using test::MakeUnit;

// Byte units D (1) and R (1 again), bit unit M (2), byte-and-bit unit W (3), odd kind Z (4).
CPLC MixedPlc() {
    return MakePlc(u"Mixed", {MakeUnit(u"D", CRegUnitConfig::kByte, 1),
                              MakeUnit(u"M", CRegUnitConfig::kBit, 2),
                              MakeUnit(u"W", CRegUnitConfig::kByteAndBit, 3),
                              MakeUnit(u"R", CRegUnitConfig::kByte, 1), MakeUnit(u"Z", 7, 4)});
}

std::vector<std::u16string> Names(std::int32_t filter) {
    return CUnitChoiceList(MixedPlc(), filter, 0).GetNames();
}

using NameList = std::vector<std::u16string>;

TEST(UnitChoiceFilter, EachFilterListsItsAddressingKindsInUnitOrder) {
    EXPECT_EQ(Names(0), (NameList{u"D", u"R"}));
    EXPECT_EQ(Names(1), (NameList{u"M"}));
    EXPECT_EQ(Names(2), (NameList{u"W"}));
    EXPECT_EQ(Names(3), (NameList{u"D", u"M", u"R"}));
    EXPECT_EQ(Names(4), (NameList{u"D", u"W", u"R"}));
    EXPECT_EQ(Names(5), (NameList{u"M", u"W"}));
}

TEST(UnitChoiceFilter, OnlyTheLowEightBitsOfTheFilterCount) {
    EXPECT_EQ(Names(0x100 + 3), Names(3));
    EXPECT_EQ(Names(0x7F00 + 5), Names(5));
    EXPECT_EQ(Names(0x200), Names(0));
    EXPECT_TRUE(Names(6).empty());
    EXPECT_TRUE(Names(0xFF).empty());
    EXPECT_TRUE(Names(-1).empty());
}

TEST(UnitChoiceList, GivesThePositionOfEachListedUnitInTheUnitList) {
    const CUnitChoiceList list(MixedPlc(), 4, 0);
    EXPECT_EQ(list.GetUnitIndices(), (std::vector<std::size_t>{0, 2, 3}));
}

TEST(UnitChoiceList, PreselectsTheLastListedUnitWithTheTypeNumber) {
    EXPECT_EQ(CUnitChoiceList(MixedPlc(), 3, 1).GetSelection(), 2);  // R, not D
    EXPECT_EQ(CUnitChoiceList(MixedPlc(), 5, 3).GetSelection(), 1);
}

TEST(UnitChoiceList, PreselectsTheFirstEntryWhenNoListedUnitHasTheTypeNumber) {
    EXPECT_EQ(CUnitChoiceList(MixedPlc(), 1, 1).GetSelection(), 0);
    EXPECT_EQ(CUnitChoiceList(MixedPlc(), 0, 4).GetSelection(), 0);
}

TEST(UnitChoiceList, FilterMatchingNothingGivesAnEmptyListWithoutSelection) {
    const CUnitChoiceList list(MixedPlc(), 9, 1);
    EXPECT_TRUE(list.GetNames().empty());
    EXPECT_EQ(list.GetSelection(), CUnitChoiceList::kNoSelection);
}

TEST(UnitChoiceList, EmptyCurrentPlcTypeOffersNoUnits) {
    const CUnitChoiceList list(CPLC(), 3, 1);
    EXPECT_TRUE(list.GetNames().empty());
    EXPECT_EQ(list.GetSelection(), CUnitChoiceList::kNoSelection);
}

}  // namespace
}  // namespace tavelo
