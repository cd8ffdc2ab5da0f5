#include <gtest/gtest.h>

#include "elements/Indicator.h"
#include "elements/IndicatorPanelForm.h"
#include "model/TaveloDoc.h"
#include "support/DrawCalls.h"
#include "support/PlcSamples.h"
#include "tests/elements/ElementBodies.h"

namespace tavelo {
namespace {

using AddressField = CIndicatorPanelForm::AddressField;

TEST(Indicator, LampIs16DotsOr32WithDoubleSizeAndShowsThePictureOfShapeAndLogic) {
    CIndicator lamp(CRect{10, 20, 10, 20});
    test::DrawCalls(lamp);
    EXPECT_EQ(lamp.GetPosition(), (CRect{10, 20, 46, 56}));
    lamp.SetDoubleSize(1);
    test::DrawCalls(lamp);
    EXPECT_EQ(lamp.GetPosition(), (CRect{10, 20, 82, 92}));
    const std::int32_t pictures[2][2] = {{135, 117}, {138, 136}};
    for (std::int32_t shape : {0, 1})
        for (std::int32_t logic : {0, 1}) {
            lamp.SetLampShape(shape);
            lamp.SetLogic(logic);
            EXPECT_EQ(lamp.GetPreviewPicture(), pictures[shape][logic]);
        }
}

TEST(Indicator, BodyHoldsLampFieldsBytesAndAddressAndACopyResetsLampSizeAndReserved) {
    CIndicator lamp(CRect{1, 2, 3, 4});
    lamp.SetLampShape(1);
    lamp.SetLogic(1);
    lamp.SetLinearAddress(53);
    lamp.SetTypeIndex(2);
    CRegisterUnit address;
    address.m_nStation = 5;
    address.m_nUnitType = 7;
    lamp.SetAddress(address);
    const test::Bytes expected = test::BodyFile("indicator.bin");
    EXPECT_EQ(test::StoreBody(lamp), expected);

    test::Bytes read = expected;
    read[28] = 20;  // lamp width
    read[36] = 9;   // reserved
    const auto loaded = test::LoadBody<CIndicator>(read);
    EXPECT_EQ(test::StoreBody(*loaded), read);
    EXPECT_EQ(test::StoreBody(*loaded->Clone()), expected);
}

class IndicatorPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_state.m_currentPlc = test::MakePlc(
            u"PLC", {test::MakeUnit(u"D", CRegUnitConfig::kByte, 1),
                     test::MakeUnit(u"X", CRegUnitConfig::kBit, 0, 99, 255, 3, 1),
                     test::MakeUnit(u"M", CRegUnitConfig::kByteAndBit, 0, 99, 15, 4, 2),
                     test::MakeUnit(u"Y", CRegUnitConfig::kByteAndBit, 0, 99, 7, 5, 1)});
        m_lamp = &static_cast<CIndicator&>(m_doc.AddElement(std::make_unique<CIndicator>()));
        m_panel.SetObject(m_lamp);
    }

    CTaveloDoc m_doc;
    CAppState m_state;
    CIndicatorPanelForm m_panel{m_state};
    CIndicator* m_lamp = nullptr;
};

// The address fields and the linear address have tests of their own; here the lamp takes
// what they give.
TEST_F(IndicatorPanelTest, CoilUnitsAreListedAndTheLampTakesTheAddressAndItsListPosition) {
    EXPECT_EQ(m_panel.GetAddressFields().GetUnitList(),
              (std::vector<std::u16string>{u"X", u"M", u"Y"}));
    m_panel.SelectUnit(2);
    m_panel.SetAddressText(AddressField::kAddress, u"3");
    m_panel.SetAddressText(AddressField::kBit, u"5");
    EXPECT_EQ(m_lamp->GetLinearAddress(), 29);  // 8 bits per address
    EXPECT_EQ(m_lamp->GetTypeIndex(), 2);
    EXPECT_EQ(m_lamp->GetAddress().m_nUnitType, 5);
    m_panel.SetAddressText(AddressField::kStation, u"");  // lamps clear to station 0
    EXPECT_EQ(m_lamp->GetAddress().m_nStation, 0);
}

TEST_F(IndicatorPanelTest, LogicAndShapeChangeThePreviewAndPositionsAreCapped) {
    m_panel.SelectLogic(1);
    EXPECT_EQ(m_lamp->GetPreviewPicture(), 117);
    m_panel.SelectShape(1);
    EXPECT_EQ(m_lamp->GetPreviewPicture(), 136);
    m_panel.SetPositionText(CIndicatorPanelForm::Axis::kX, u"1000");
    EXPECT_EQ(m_panel.GetPositionText(CIndicatorPanelForm::Axis::kX), u"192");
    EXPECT_EQ(m_lamp->GetPoint(CRectObj::ECorner::TopLeft).x, 432);
}

}  // namespace
}  // namespace tavelo
