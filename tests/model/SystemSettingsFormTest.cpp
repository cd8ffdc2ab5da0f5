#include <gtest/gtest.h>

#include "SettingsTestPlc.h"
#include "model/SystemSettingsForm.h"

namespace tavelo {
namespace {

using Field = CSystemSettingsForm::Field;
using Registers = std::array<std::u16string, 3>;
constexpr auto kAuto = CSystemSettings::kAutoChange;
constexpr auto kReport = CSystemSettings::kReportScreen;
constexpr auto kClock = CSystemSettings::kClock;

// The unit list of the test PLC reads VW, DM, D.
constexpr int kVw = 0, kDm = 1;

class SystemSettingsFormTest : public ::testing::Test {
protected:
    SystemSettingsFormTest() { m_state.m_currentPlc = test::MakeSettingsTestPlc(); }

    CSystemSettingsForm& OpenForm() {
        m_form.emplace(m_settings, m_state);
        EXPECT_EQ(m_form->Open(), std::nullopt);
        return *m_form;
    }
    Registers RegisterTexts() const {
        return {m_form->GetRegisterText(kAuto), m_form->GetRegisterText(kReport),
                m_form->GetRegisterText(kClock)};
    }

    CAppState m_state;
    CSystemSettings m_settings;
    std::optional<CSystemSettingsForm> m_form;
};

TEST(SystemSettingsValues, StatusByteCountsTheFunctionsThatAreOn) {
    CSystemSettings s;
    EXPECT_EQ(s.ComputeStatusControl(), 0x00);
    s.m_bFunctions[kClock] = 1;
    EXPECT_EQ(s.ComputeStatusControl(), 0x14);
    s.m_bFunctions = {1, 1, 1};
    s.m_bAnalog = 1;
    EXPECT_EQ(s.ComputeStatusControl(), 0x4F);
}

TEST_F(SystemSettingsFormTest, OpeningListsWordUnitsInReverseOrder) {
    EXPECT_EQ(OpenForm().GetUnitList(), (std::vector<std::u16string>{u"VW", u"DM", u"D"}));
    EXPECT_EQ(m_form->GetUnitSelection(), 0);
}

TEST_F(SystemSettingsFormTest, AutoChangeAndClockUseTheRegisterAndTheNextOneWithinTheUnit) {
    CSystemSettingsForm& form = OpenForm();
    form.ClickFunction(kAuto);
    form.SelectUnit(kDm);
    form.SetFieldText(Field::kControlRegister, u"100");
    form.ClickFunction(kClock);
    EXPECT_EQ(RegisterTexts(), (Registers{u"DM100", u"", u"DM101"}));
    EXPECT_EQ(m_settings.m_nStatusControl, 0x25);
    EXPECT_EQ(m_settings.m_nControlUnitType, 3);
    EXPECT_EQ(m_settings.m_nUnitPosition, kDm);
    EXPECT_EQ(form.GetSpinRange(Field::kControlRegister), (CSpinRange{10, 9999}));
    form.SetFieldText(Field::kControlRegister, u"20000");
    EXPECT_EQ(form.GetFieldText(Field::kControlRegister), u"9999");
    form.SetFieldText(Field::kControlRegister, u"3");
    EXPECT_EQ(m_settings.m_nControlRegister, 10);
}

TEST_F(SystemSettingsFormTest, VwRegistersAreTwoApart) {
    CSystemSettingsForm& form = OpenForm();
    for (auto function : {kAuto, kReport, kClock}) form.ClickFunction(function);
    form.SelectUnit(kVw);
    form.SetFieldText(Field::kControlRegister, u"10");
    EXPECT_EQ(m_settings.m_strFunctionRegisters, (Registers{u"VW10", u"VW12", u"VW14"}));
    EXPECT_EQ(m_settings.m_nStatusControl, 0x37);
}

TEST_F(SystemSettingsFormTest, StationIsClampedTo255Or247AtPlcIndex16) {
    for (const auto& [plcIndex, max] : {std::pair{0, u"255"}, std::pair{16, u"247"}}) {
        m_state.m_nPlcListIndex = plcIndex;
        CSystemSettingsForm& form = OpenForm();
        form.ClickFunction(kClock);
        form.SetFieldText(Field::kStation, u"300");
        EXPECT_EQ(form.GetFieldText(Field::kStation), max);
        form.SetFieldText(Field::kStation, u"-4");
        EXPECT_EQ(m_settings.m_nStation, 0);
        form.Cancel();
    }
}

TEST_F(SystemSettingsFormTest, UnknownSaverTimeShowsThreeMinutesFromOpening) {
    m_settings.m_nSaverMinutes = 4;
    CSystemSettingsForm& form = OpenForm();
    EXPECT_EQ(form.GetSaverList()[form.GetSaverSelection()], u"三分钟");
    EXPECT_EQ(m_settings.m_nSaverMinutes, 3);
    form.SelectSaverTime(8);
    EXPECT_EQ(m_settings.m_nSaverMinutes, 60);
}

TEST_F(SystemSettingsFormTest, TypedTextIsFilteredAndAClearedFieldShowsItsDefaultAtOnce) {
    m_settings.m_nInitialScreen = 8;
    CSystemSettingsForm& form = OpenForm();
    form.SetFieldText(Field::kPassword, u"1a2b345");
    EXPECT_EQ(m_settings.m_strPassword, u"1234");
    form.SetFieldText(Field::kInitialScreen, u"-");
    EXPECT_EQ(m_settings.m_nInitialScreen, 8);
    EXPECT_EQ(form.GetFieldText(Field::kInitialScreen), u"8");
    form.SetFieldText(Field::kInitialScreen, u"99999999999");
    EXPECT_EQ(m_settings.m_nInitialScreen, 2147483647);
    form.SetFieldText(Field::kInitialScreen, u"");
    EXPECT_EQ(form.GetFieldText(Field::kInitialScreen), u"1");
    EXPECT_EQ(m_settings.m_nInitialScreen, 1);
    form.ClickFunction(kClock);
    form.SetFieldText(Field::kStation, u"");
    EXPECT_EQ(form.GetFieldText(Field::kStation), u"0");
}

TEST_F(SystemSettingsFormTest, SaverScreenCountsOnlyWhileShowingAScreenAnd7351OnlyAsPassword) {
    CSystemSettingsForm& form = OpenForm();
    EXPECT_FALSE(form.IsSaverScreenVisible());
    EXPECT_EQ(form.SetFieldText(Field::kSaverScreen, u"9"), std::nullopt);
    EXPECT_EQ(m_settings.m_nSaverScreen, 1);
    form.ClickSaverAction(CSystemSettings::kSaverShowScreen);
    EXPECT_TRUE(form.IsSaverScreenVisible());
    EXPECT_EQ(m_settings.m_nSaverAction, CSystemSettings::kSaverShowScreen);
    form.SetFieldText(Field::kSaverScreen, u"9");
    EXPECT_EQ(m_settings.m_nSaverScreen, 9);
    EXPECT_EQ(form.SetFieldText(Field::kSaverScreen, u"7351"), std::nullopt);
    EXPECT_EQ(form.SetFieldText(Field::kPassword, u"7351"), u"2008-08-29修改,升级下载时序问题");
    EXPECT_EQ(form.SetFieldText(Field::kSaverScreen, u"7350"), std::nullopt);
}

TEST_F(SystemSettingsFormTest, RegisterControlsServeOnlyCheckedFunctions) {
    CSystemSettingsForm& form = OpenForm();
    EXPECT_FALSE(form.IsStationEnabled());
    form.SetFieldText(Field::kStation, u"9");
    EXPECT_EQ(m_settings.m_nStation, 1);
    form.ClickFunction(kReport);
    EXPECT_TRUE(form.IsUnitListEnabled());
    EXPECT_TRUE(form.IsRegisterTextVisible(kReport));
    EXPECT_FALSE(form.IsRegisterTextEnabled(kClock));
}
TEST_F(SystemSettingsFormTest, CancelPutsBackTheSettingsFromBeforeTheCommand) {
    m_settings.m_nSaverMinutes = 4;
    const CSystemSettings before = m_settings;
    CSystemSettingsForm& form = OpenForm();
    form.ClickFunction(kAuto);
    form.SetFieldText(Field::kControlRegister, u"50");
    form.SetFieldText(Field::kPassword, u"99");
    form.Cancel();
    EXPECT_EQ(m_settings, before);
}

TEST_F(SystemSettingsFormTest, WithoutWordUnitsTheLastUnitIsUsed) {
    m_state.m_currentPlc.m_units = {test::MakeUnit(u"X", CRegUnitConfig::kBit, 0, 0, 63, 7, 1),
                                    test::MakeUnit(u"C", CRegUnitConfig::kByte, 0, 255, 0, 11, 4)};
    CSystemSettingsForm& form = OpenForm();
    EXPECT_TRUE(form.GetUnitList().empty());
    EXPECT_EQ(form.GetUnitSelection(), -1);
    form.ClickFunction(kAuto);
    form.ClickFunction(kReport);
    form.SetFieldText(Field::kControlRegister, u"100");
    EXPECT_EQ(m_settings.m_nControlUnitType, 11);
    EXPECT_EQ(m_settings.m_nUnitPosition, -1);
    EXPECT_EQ(RegisterTexts(), (Registers{u"C100", u"C104", u""}));
}

TEST_F(SystemSettingsFormTest, PlcTypeWithoutUnitsLeavesOnlyRegisterZero) {
    m_state.m_currentPlc = CPLC();
    m_settings.m_nControlUnitType = 6;
    CSystemSettingsForm& form = OpenForm();
    form.ClickFunction(kAuto);
    form.SetFieldText(Field::kControlRegister, u"100");
    EXPECT_EQ(m_settings.m_nControlRegister, 0);
    EXPECT_EQ(m_settings.m_nControlUnitType, 6);
    EXPECT_EQ(form.GetRegisterText(kAuto), u"0");
}

}  // namespace
}  // namespace tavelo
