#include <gtest/gtest.h>

#include "elements/FunctionKey.h"
#include "elements/FunctionKeyPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/DrawCalls.h"
#include "support/PlcSamples.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using AddressField = CFunctionKeyPanelForm::AddressField;
using Check = CFunctionKeyPanelForm::Check;
using Field = CFunctionKeyPanelForm::Field;

TEST(FunctionKey, EachKeyHasItsCodeAndThreeLooks) {
    struct Case {
        std::int32_t key;
        const char16_t* code;
        std::int32_t normal, inverse, hidden;
    };
    const Case cases[] = {
        {0, u"5", 2045, 2043, 2044},   {1, u"8", 2050, 2048, 2049},   {14, u"47", 2021, 2018, 2019},
        {15, u"50", 2024, 2022, 2023}, {19, u"62", 2036, 2034, 2035},
    };
    CFunctionKey key;
    EXPECT_EQ(key.GetPicture(), 2050);  // a new key is the left key until its panel applies
    for (const Case& c : cases) {
        key.SetLook(true, false, false);
        key.SetInverse(0);
        key.SetKey(c.key);
        EXPECT_EQ(key.GetKeyCode(), c.code);
        EXPECT_EQ(key.GetPicture(), c.normal);
        key.SetInverse(1);
        EXPECT_EQ(key.GetPicture(), c.inverse);
        key.SetLook(true, true, false);
        EXPECT_EQ(key.GetPicture(), c.hidden);
    }
    key.SetKey(20);
    EXPECT_EQ(key.GetKeyCode(), u"255");
    EXPECT_EQ(key.GetPicture(), 2035);  // kept
}

TEST(FunctionKey, HandDoublesTheWidthAndAHiddenKeyLosesItForGood) {
    CFunctionKey key(CRect{0, 0, 0, 0});
    key.SetDoubleSize(1);
    EXPECT_EQ(test::DrawCalls(key).size(), 2u);            // the hand, then the key beside it
    EXPECT_EQ(key.GetPosition(), (CRect{0, 0, 144, 72}));  // 64 x 32 dots
    key.SetLook(true, true, false);
    key.SetDoubleSize(0);
    EXPECT_EQ(test::DrawCalls(key).size(), 1u);
    EXPECT_EQ(key.GetPosition(), (CRect{0, 0, 36, 36}));
    EXPECT_FALSE(key.HasHand());
}

TEST(FunctionKey, BodyRoundTripsAndReadingRefreshesCodeAndPicture) {
    CFunctionKey key(CRect{1, 2, 3, 4});
    key.SetKey(14);
    key.SetJumpScreen(200);
    key.SetRegisterWrite(3, 70000);
    key.SetListPositions(14, 2, 1);
    key.SetAction(CFunctionKey::kActionRegister);
    const test::Bytes bytes = test::StoreBody(key);
    // Base 28, code "47" 8, 21 int32, screen byte, 7 int32, count byte, 2 int32, address 24.
    EXPECT_EQ(bytes.size(), 28u + 8 + 84 + 1 + 28 + 1 + 8 + 24);
    EXPECT_EQ(bytes[28 + 8 + 84], 200);
    EXPECT_EQ(test::StoreBody(*test::LoadBody<CFunctionKey>(bytes)), bytes);
    EXPECT_EQ(test::StoreBody(*key.Clone()), bytes);

    test::Bytes stale = bytes;
    stale[28 + 8 + 80] = 0x10;  // picture 2064, code still "47"
    stale[28 + 8] = 0x11;       // key 17
    const auto read = test::LoadBody<CFunctionKey>(stale);
    EXPECT_EQ(read->GetKeyCode(), u"56");
    EXPECT_EQ(read->GetPicture(), 2030);
}

class FunctionKeyPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.m_currentPlc = test::MakePlc(
            u"PLC", {test::MakeUnit(u"X", CRegUnitConfig::kBit, 0, 99, 255, 0, 1),
                     test::MakeUnit(u"B", CRegUnitConfig::kByte, 0, 99, 7, 3, 1, 1),
                     test::MakeUnit(u"D", CRegUnitConfig::kByte, 0, 9999, 15, 1, 2, 8),
                     test::MakeUnit(u"M", CRegUnitConfig::kByteAndBit, 0, 99, 15, 2, 2)});
        m_key = &static_cast<CFunctionKey&>(m_doc.AddElement(std::make_unique<CFunctionKey>()));
        m_panel.SetObject(m_key);
    }

    CTaveloDoc m_doc;
    CAppState m_state;
    CFunctionKeyPanelForm m_panel{m_state};
    CFunctionKey* m_key = nullptr;
};

TEST_F(FunctionKeyPanelTest, TheFirstApplyTakesTheKeyFromTheList) {
    EXPECT_EQ(m_key->GetPicture(), 2045);  // key 0, '5'
    m_panel.SelectKey(14);
    EXPECT_EQ(m_key->GetKeyCode(), u"47");
    EXPECT_EQ(m_key->GetKeyListIndex(), 14);
}

TEST_F(FunctionKeyPanelTest, ActionsShowTheirGroupAndRefillTheTypeList) {
    EXPECT_TRUE(m_panel.IsCoilGroupShown());
    EXPECT_EQ(m_panel.GetAddressFields().GetUnitList(), (std::vector<std::u16string>{u"X", u"M"}));
    m_panel.SetAddressText(AddressField::kStation, u"250");
    EXPECT_EQ(m_key->GetAddress().m_nStation, 247);  // PLC list index 0 ends at 247
    m_panel.SelectAction(CFunctionKey::kActionRegister);
    EXPECT_FALSE(m_panel.IsCoilGroupShown());
    EXPECT_EQ(m_panel.GetAddressFields().GetUnitList(), (std::vector<std::u16string>{u"B", u"D"}));
    EXPECT_EQ(m_key->GetAddress().m_nUnitType, 1);
    EXPECT_EQ(m_key->GetTypeIndex(), 1);
    EXPECT_EQ(m_panel.GetAddressFields().GetText(AddressField::kStation), u"250");
    EXPECT_EQ(m_key->GetAddress().m_nStation, 247);
    m_panel.SelectAction(CFunctionKey::kActionJump);
    EXPECT_TRUE(m_panel.IsJumpGroupShown());
    m_panel.SelectJumpTarget(CFunctionKey::kJumpAlarm);
    EXPECT_FALSE(m_panel.IsFieldEnabled(Field::kJumpScreen));
    EXPECT_EQ(m_key->GetJumpTarget(), CFunctionKey::kJumpAlarm);
}

// The count spins 0 to 255 for every unit; the apply keeps it in 1..the unit's maximum.
TEST_F(FunctionKeyPanelTest, TheValueIsCappedByCountTimesUnitWidth) {
    m_panel.SelectAction(CFunctionKey::kActionRegister);
    struct Case {
        int unit;
        const char16_t* count;
        std::int32_t cap, stored;
    };
    const Case cases[] = {{1, u"2", 2147483647, 2}, {1, u"1", 65535, 1}, {1, u"3", 65535, 3},
                          {1, u"300", 65535, 8},    {0, u"1", 255, 1},   {0, u"2", 255, 1},
                          {0, u"0", 255, 1}};
    for (const Case& c : cases) {
        m_panel.SelectUnit(c.unit);
        EXPECT_TRUE(m_panel.GetAddressFields().IsCountEnabled());
        EXPECT_EQ(m_panel.GetAddressFields().GetSpinRange(AddressField::kCount),
                  (CSpinRange{0, 255}));
        m_panel.SetAddressText(AddressField::kCount, c.count);
        m_panel.SetFieldText(Field::kParameter, u"99999999999");
        EXPECT_EQ(m_key->GetParameter(), c.cap) << c.unit << " " << char(c.count[0]);
        EXPECT_EQ(m_key->GetAddress().m_nCount, c.stored);
        EXPECT_EQ(m_key->GetRegCount(), c.stored);
    }
}

TEST_F(FunctionKeyPanelTest, TheJumpScreenIsClampedTo1Through255) {
    m_panel.SelectAction(CFunctionKey::kActionJump);
    for (const auto& [text, screen] : {std::pair{u"0", 1}, {u"", 1}, {u"300", 255}, {u"17", 17}}) {
        m_panel.SetFieldText(Field::kJumpScreen, text);
        EXPECT_EQ(m_key->GetJumpScreen(), screen);
    }
    EXPECT_EQ(m_panel.GetFieldText(Field::kJumpScreen), u"17");
}

TEST_F(FunctionKeyPanelTest, CheckingHiddenClearsTheHand) {
    EXPECT_TRUE(m_panel.IsChecked(Check::kHand));
    m_panel.SetCheck(Check::kHidden, true);
    EXPECT_FALSE(m_panel.IsChecked(Check::kHand));
    m_panel.SetCheck(Check::kHidden, false);
    EXPECT_FALSE(m_key->HasHand());
    EXPECT_FALSE(m_key->IsHidden());
}

}  // namespace
}  // namespace tavelo
