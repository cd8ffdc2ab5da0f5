#include <gtest/gtest.h>

#include "model/AlarmList.h"
#include "model/PanelText.h"
#include "support/ByteHelpers.h"
#include "support/StoredBlock.h"

namespace tavelo {
namespace {

using test::B;
using test::Bytes;
using test::Concat;

Bytes Store(const CAlarmList& value) {
    return test::StoreBlock(value);
}
CAlarmList Load(const Bytes& bytes) {
    return test::LoadBlock<CAlarmList>(bytes);
}

CAlarmList Filled() {
    CAlarmList alarms;
    alarms.m_strUnitName = u"M";
    alarms.m_nStation = 3;
    alarms.m_nAddressing = 2;
    alarms.m_nAddress = 10;
    alarms.m_nBit = 6;
    alarms.m_nLinearBit = 86;
    alarms.m_nUnitType = 8;
    alarms.m_texts = {u"油压过高", u"Door open", u""};
    return alarms;
}

// Unit name, station 1, then addressing, address, bit, linear bit and unit type all 0.
const Bytes kDefaultHead = Concat({B({0xFF, 0xFE, 0xFF, 0x00}), B({1, 0, 0, 0}), Bytes(20, 0)});

TEST(AlarmListBlock, NewListStoresOneEmptyText) {
    EXPECT_EQ(Store(CAlarmList()), Concat({kDefaultHead, B({1, 0, 0xFF, 0xFE, 0xFF, 0x00})}));
}

TEST(AlarmListBlock, ResetForgetsTheWholeFirstBitAndASaveStoresCountZero) {
    CAlarmList alarms = Filled();
    alarms.Reset();
    EXPECT_TRUE(alarms.GetTexts().empty());
    EXPECT_EQ(Store(alarms), Concat({kDefaultHead, B({0, 0})}));
}

TEST(AlarmListBlock, FilledListReadsBackEqual) {
    EXPECT_EQ(Load(Store(Filled())), Filled());
}

TEST(AlarmListBlock, TextCountBeyondTheBytesLeftIsRefused) {
    EXPECT_THROW(Load(Concat({kDefaultHead, B({0xFF, 0x7F})})), CArchiveError);
}

TEST(AlarmListValues, EachUnitAbove127TakesTwoColumnsAndSurrogatePairsAreCutWhole) {
    EXPECT_EQ(TextColumns(u"ABC"), 3);
    EXPECT_EQ(TextColumns(u"报警A"), 5);
    EXPECT_EQ(TextColumns(u"\u00e9"), 2);
    EXPECT_EQ(TextColumns(u"\U0001F600"), 4);  // two units, four panel bytes
    const std::u16string loneSurrogateThenA = {char16_t{0xD800}, u'A'};
    EXPECT_EQ(TextColumns(loneSurrogateThenA), 3);
    EXPECT_EQ(CAlarmList::WithoutLastCharacter(u"ab"), u"a");
    EXPECT_EQ(CAlarmList::WithoutLastCharacter(u"a\U0001F600"), u"a");
    EXPECT_EQ(CAlarmList::WithoutLastCharacter(u""), u"");
}

}  // namespace
}  // namespace tavelo
