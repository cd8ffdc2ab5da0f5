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

TEST_F(SystemSettingsFormTest, FunctionsUseTheRegisterAndTheNextOnesOfTheUnitInReverseList) {
    const struct {
        int unit;
        std::vector<CSystemSettings::Function> functions;
        Registers registers;
        std::uint8_t status, unitType;
    } cases[] = {
        {kDm, {kAuto, kClock}, {u"DM100", u"", u"DM101"}, 0x25, 3},
        {kVw, {kAuto, kReport, kClock}, {u"VW100", u"VW102", u"VW104"}, 0x37, 5},  // two apart
    };
    for (const auto& c : cases) {
        m_settings = CSystemSettings();
        CSystemSettingsForm& form = OpenForm();
        EXPECT_EQ(form.GetUnitList(), (std::vector<std::u16string>{u"VW", u"DM", u"D"}));
        for (auto function : c.functions) form.ClickFunction(function);
        form.SelectUnit(c.unit);
        form.SetFieldText(Field::kControlRegister, u"100");
        EXPECT_EQ(RegisterTexts(), c.registers);
        EXPECT_EQ(m_settings.m_nStatusControl, c.status);
        EXPECT_EQ(m_settings.m_nControlUnitType, c.unitType);
        EXPECT_EQ(m_settings.m_nUnitPosition, c.unit);
    }
    EXPECT_EQ(m_form->GetSpinRange(Field::kControlRegister), (CSpinRange{0, 1000}));
}

// Each field as typed and as shown after the apply and again when the dialog opens anew.
TEST_F(SystemSettingsFormTest, TypedFieldsAreFilteredClampedOrFilledWithTheirDefault) {
    const struct {
        Field field;
        const char16_t *typed, *shown;
        std::uint8_t plcIndex = 0;
    } cases[] = {
        {Field::kControlRegister, u"20000", u"9999"},
        {Field::kControlRegister, u"3", u"10"},
        {Field::kStation, u"300", u"255"},
        {Field::kStation, u"300", u"247", 16},
        {Field::kStation, u"-4", u"0", 16},
        {Field::kStation, u"", u"0"},
        {Field::kPassword, u"1a2b345", u"1234"},
        {Field::kInitialScreen, u"-", u"8"},
        {Field::kInitialScreen, u"", u"1"},
        {Field::kSaverScreen, u"9", u"9"},
        {Field::kInitialScreen, u"99999999999", u"2147483647"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.typed)));
        m_state.m_nPlcListIndex = c.plcIndex;
        m_settings = CSystemSettings();
        m_settings.m_nInitialScreen = 8;
        CSystemSettingsForm& form = OpenForm();
        form.ClickFunction(kClock);
        form.SelectUnit(kDm);
        form.ClickSaverAction(CSystemSettings::kSaverShowScreen);
        form.SetFieldText(c.field, c.typed);
        EXPECT_EQ(form.GetFieldText(c.field), c.shown);
        EXPECT_EQ(OpenForm().GetFieldText(c.field), c.shown);
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

// Hidden or disabled fields apply nothing; 7351 is a notice only as the password.
TEST_F(SystemSettingsFormTest, FieldsOfUncheckedChoicesApplyNothingAnd7351OnlyAsPassword) {
    CSystemSettingsForm& form = OpenForm();
    EXPECT_FALSE(form.IsSaverScreenVisible());
    EXPECT_FALSE(form.IsStationEnabled());
    EXPECT_EQ(form.SetFieldText(Field::kSaverScreen, u"9"), std::nullopt);
    form.SetFieldText(Field::kStation, u"9");
    EXPECT_EQ(m_settings.m_nSaverScreen, 1);
    EXPECT_EQ(m_settings.m_nStation, 1);
    form.ClickFunction(kReport);
    EXPECT_TRUE(form.IsUnitListEnabled());
    EXPECT_TRUE(form.IsRegisterTextVisible(kReport));
    EXPECT_FALSE(form.IsRegisterTextEnabled(kClock));
    form.ClickSaverAction(CSystemSettings::kSaverShowScreen);
    EXPECT_EQ(m_settings.m_nSaverAction, CSystemSettings::kSaverShowScreen);
    EXPECT_EQ(form.SetFieldText(Field::kSaverScreen, u"7351"), std::nullopt);
    EXPECT_EQ(form.SetFieldText(Field::kPassword, u"7351"), u"2008-08-29修改,升级下载时序问题");
    EXPECT_EQ(form.SetFieldText(Field::kSaverScreen, u"7350"), std::nullopt);
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

// Without word units the last unit serves; without any unit only register 0 of the stored type.
TEST_F(SystemSettingsFormTest, WithoutWordUnitsTheLastUnitIsUsedAndWithoutUnitsRegisterZero) {
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

    m_state.m_currentPlc = CPLC();
    m_settings.m_nControlUnitType = 6;
    OpenForm().SetFieldText(Field::kControlRegister, u"100");
    EXPECT_EQ(m_settings.m_nControlRegister, 0);
    EXPECT_EQ(m_settings.m_nControlUnitType, 6);
    EXPECT_EQ(m_form->GetRegisterText(kAuto), u"0");
}

}  // namespace
}  // namespace tavelo
