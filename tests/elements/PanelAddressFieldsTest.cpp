#include <gtest/gtest.h>

#include "elements/PanelAddressFields.h"
#include "elements/PanelCoordinates.h"
#include "support/PlcSamples.h"

namespace tavelo {
namespace {

using Field = CPanelAddressFields::Field;

CAppState StateWith(std::vector<CRegUnitConfig> units, std::uint8_t plcListIndex = 0) {
    CAppState state;
    state.m_currentPlc = test::MakePlc(u"PLC", std::move(units));
    state.m_nPlcListIndex = plcListIndex;
    return state;
}

TEST(PanelAddressFields, StationsAreClampedByThePlcListPositionOfEachPanelsRule) {
    struct Case {
        std::uint8_t plcListIndex;
        std::uint8_t indexOf247;  // 16 on most panels, 0 on the function key panel
        const char16_t* typed;
        std::int32_t station;
    };
    const Case cases[] = {
        {16, 16, u"250", 247}, {15, 16, u"250", 250}, {17, 16, u"250", 250},
        {0, 16, u"300", 255},  {0, 0, u"250", 247},   {16, 0, u"250", 250},
    };
    for (const Case& c : cases) {
        const CAppState state =
            StateWith({test::MakeUnit(u"D", CRegUnitConfig::kByte, 1)}, c.plcListIndex);
        CAddressFieldRules rules;
        rules.m_nPlcIndexOfStations247 = c.indexOf247;
        CPanelAddressFields fields(state, rules);
        fields.Load(CRegisterUnit{});
        fields.SetText(Field::kStation, c.typed);
        CRegisterUnit address;
        fields.ApplyTo(address);
        EXPECT_EQ(address.m_nStation, c.station) << int(c.plcListIndex) << " " << int(c.indexOf247);
    }
}

TEST(PanelAddressFields, UnitsAreFilteredPreselectedAndBoundTheAddressAndBit) {
    const CAppState state =
        StateWith({test::MakeUnit(u"X", CRegUnitConfig::kBit, 0, 0, 7, 4, 1),
                   test::MakeUnit(u"D", CRegUnitConfig::kByte, 10, 99, 15, 1, 2),
                   test::MakeUnit(u"M", CRegUnitConfig::kByteAndBit, 0, 50, 15, 3, 2)});
    CAddressFieldRules lamps;
    lamps.m_nUnitFilter = 5;  // bit or byte-and-bit units
    lamps.m_nEmptyStation = 0;
    CPanelAddressFields fields(state, lamps);
    CRegisterUnit address;
    address.m_nUnitType = 3;
    fields.Load(address);
    EXPECT_EQ(fields.GetUnitList(), (std::vector<std::u16string>{u"X", u"M"}));
    fields.SetText(Field::kStation, u"");
    EXPECT_EQ(fields.GetText(Field::kStation), u"0");
    fields.SetText(Field::kAddress, u"60");
    fields.SetText(Field::kBit, u"3");
    EXPECT_EQ(fields.ApplyTo(address), 3 + 50 * 16);
    EXPECT_EQ(address.m_nAddress, 50);
    EXPECT_EQ(address.m_nUnitBytes, 2);

    fields.SelectUnit(0);  // bit addressing: the address field is disabled
    fields.SetText(Field::kAddress, u"7");
    EXPECT_EQ(fields.GetText(Field::kAddress), u"60");
    fields.SetText(Field::kBit, u"9");
    EXPECT_EQ(fields.ApplyTo(address), 7);
    EXPECT_EQ(address.m_nUnitType, 4);

    CPanelAddressFields registers(state, CAddressFieldRules{});
    registers.Load(CRegisterUnit{});  // no type number yet: the first unit listed
    EXPECT_EQ(registers.GetUnitList(), (std::vector<std::u16string>{u"D"}));
    EXPECT_FALSE(registers.IsBitEnabled());
    EXPECT_EQ(registers.GetSpinRange(Field::kAddress), (CSpinRange{10, 99}));
    EXPECT_EQ(registers.ApplyTo(address), 10);
}

TEST(PanelAddressFields, AUnitThatLeftThePlcTypeIsNoLongerChosen) {
    CAppState state = StateWith({test::MakeUnit(u"D", CRegUnitConfig::kByte, 1)});
    CPanelAddressFields fields(state, CAddressFieldRules{});
    CRegisterUnit address;
    address.m_nUnitType = 1;
    fields.Load(address);
    state.m_currentPlc.m_units.clear();
    fields.SetText(Field::kAddress, u"123456");
    address.m_nUnitType = 9;
    EXPECT_EQ(fields.ApplyTo(address), 123456);
    EXPECT_EQ(address.m_nUnitType, 9);
    EXPECT_EQ(fields.GetUnit(), nullptr);
}

TEST(PanelCoordinates, CanvasUnitsRoundUpFromSixTenthsOfADotAndDotsTruncate) {
    // 1 unit is 0.44 dot, 2 are 0.89, 9 are 4.0, 20 are 8.9: the round-up takes 2 and 20 up.
    for (const auto& [units, dots] :
         {std::pair{1, 0}, {2, 1}, {9, 4}, {20, 9}, {432, 192}, {-20, -8}})
        EXPECT_EQ(CanvasToDots(units), dots) << units;
    for (const auto& [dots, units] : {std::pair{1, 2}, {4, 9}, {191, 429}, {-1, -2}})
        EXPECT_EQ(DotsToCanvas(dots), units) << dots;
    // Every dot position survives the trip to canvas units and back.
    for (std::int32_t dots = 0; dots <= 192; ++dots)
        EXPECT_EQ(CanvasToDots(DotsToCanvas(dots)), dots);
}

}  // namespace
}  // namespace tavelo
