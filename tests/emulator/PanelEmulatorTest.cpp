#include <gtest/gtest.h>

#include "PanelTestImage.h"

namespace tavelo {
namespace {

using namespace test;

class PanelEmulator : public ::testing::Test {
protected:
    CPanelImage image = CompilePanel(CSystemSettings::kSaverShowScreen);
    CMemoryMap memory;
    CPanelEmulator panel{image, memory};
};

TEST_F(PanelEmulator, FollowsScreenTargetsAndJumpKeys) {
    ASSERT_TRUE(image.IsLoaded()) << image.GetError();
    const struct {
        const char* m_pszKeys;
        std::int64_t m_nScreen;
    } steps[] = {{"", 1}, {"DOWN", 2}, {"DOWN", 2}, {"UP", 1}, {"4", 2}, {"F5", 1}};
    for (const auto& step : steps) {
        Type(panel, step.m_pszKeys);
        EXPECT_EQ(panel.GetScreen(), step.m_nScreen) << step.m_pszKeys;
    }
}

TEST_F(PanelEmulator, SetsCoilsAndHoldsAMomentaryOneWhileItsKeyIsDown) {
    Type(panel, "1");
    EXPECT_EQ(memory.Read(kToggleCoil), 1);
    Type(panel, "F10");
    EXPECT_EQ(memory.Read(kToggleCoil), 0);
    panel.Press(EPanelKey::Digit2);
    EXPECT_EQ(memory.Read(kMomentaryCoil), 1);
    panel.Release(EPanelKey::Digit3);
    EXPECT_EQ(memory.Read(kMomentaryCoil), 1);
    panel.Release(EPanelKey::Digit2);
    EXPECT_EQ(memory.Read(kMomentaryCoil), 0);
}

TEST_F(PanelEmulator, EntersRegisterValuesWithinTheirLimitsOnly) {
    Type(panel, "SET 1 5 0 ENT");
    EXPECT_TRUE(panel.IsEntryRefused());
    EXPECT_EQ(panel.GetTyped(), "150");
    EXPECT_EQ(memory.m_values.count(kLimited), 0u);
    Type(panel, "CLR 9 9 ENT");
    EXPECT_EQ(memory.Read(kLimited), 99);
    EXPECT_EQ(panel.GetEditedRegister(), nullptr);
    Type(panel, "SET 7 ESC");
    EXPECT_EQ(memory.Read(kLimited), 99);
    // The next register asks for the password; a wrong one is refused and may be retried.
    Type(panel, "SET SET 5 ENT 1 2 ENT +/- 4 2");
    EXPECT_EQ(panel.GetTyped(), "-42");
    ASSERT_NE(panel.GetEditedRegister(), nullptr);
    EXPECT_EQ(panel.GetEditedRegister()->Value("address"), kProtected.m_nAddress);
    Type(panel, "ENT");
    EXPECT_EQ(memory.Read(kProtected), 0xFFD6);
}

TEST_F(PanelEmulator, AProtectedKeyActsOnlyAfterThePassword) {
    Type(panel, "3 ESC");
    EXPECT_EQ(panel.GetPage(), EPanelPage::Screen);
    EXPECT_EQ(memory.m_values.count(kWritten), 0u);
    Type(panel, "3 1 2 ENT");
    EXPECT_EQ(memory.Read(kWritten), 300);
}

// The saver's first key only wakes the panel, and the password must be given again.
TEST_F(PanelEmulator, ScreenSaverStartsAfterItsMinutesAndAnyKeyWakesThePanel) {
    Type(panel, "3 1 2 ENT");
    panel.Elapse(std::chrono::seconds(59));
    EXPECT_EQ(panel.GetSaverState(), CScreenSaver::EState::Off);
    panel.Elapse(std::chrono::seconds(1));
    EXPECT_EQ(panel.GetShownScreen(), 2);
    Type(panel, "DOWN");
    EXPECT_EQ(panel.GetShownScreen(), 1);
    Type(panel, "3");
    EXPECT_EQ(panel.GetPage(), EPanelPage::Password);
}

// Attributes: 0x08 settable, 0x10 signed, 0x20 decimal, 0x80 limits; '-' in the keys is +/-.
TEST(RegisterEntry, WritesOnlyWhatTheRegisterHoldsInItsFormat) {
    const struct {
        std::int64_t m_nAttributes, m_nBytes, m_nMax, m_nMin, m_nDecimals;
        const char* m_pszKeys;
        std::optional<std::int64_t> m_nWritten;
    } cases[] = {
        {0x08, 2, 0, 0, 0, "1234", 0x1234},
        {0x08, 2, 0, 0, 0, "12345", std::nullopt},
        {0x28, 1, 0, 0, 0, "256", std::nullopt},
        {0x28, 1, 0, 0, 0, "-255", 255},
        {0xA8, 1, 1000, -5, 0, "300", std::nullopt},
        {0x38, 1, 0, 0, 2, "-128", 0x80},
        {0xB8, 4, 10, -10, 0, "-11", std::nullopt},
        {0x28, 2, 0, 0, 0, "", std::nullopt},
        // Float with one decimal (0x81): -123.4, and 100.0 at its upper limit of 100.
        {0x38, 4, 0, 0, 0x81, "-1234", 0xC2F6CCCD},
        {0xB8, 4, 100, -100, 0x81, "1000", 0x42C80000},
        {0xB8, 4, 100, -100, 0x81, "1001", std::nullopt},
        // Engineering units 0..1000 over the raw input 0..4000: 500 sends 2000, 1001 is refused.
        {0xAC, 2, 4000, 0, 0, "500", 2000},
        {0xAC, 2, 4000, 0, 0, "1001", std::nullopt},
    };
    for (const auto& row : cases) {
        CImageRecord record{"register", 0, 0, {}};
        for (const auto& [name, value] :
             std::initializer_list<std::pair<const char*, std::int64_t>>{
                 {"attributes", row.m_nAttributes},
                 {"digits", 5},
                 {"decimals", row.m_nDecimals},
                 {"inputMax", row.m_nMax},
                 {"inputMin", row.m_nMin},
                 {"engMax", 1000},
                 {"engMin", 0},
                 {"station", 1},
                 {"address", 9},
                 {"unitCode", 1},
                 {"byteCount", row.m_nBytes}})
            record.m_fields.push_back({name, value, std::nullopt});
        CRegisterEntry entry(record);
        for (const char* key = row.m_pszKeys; *key; ++key)
            *key == '-' ? entry.ToggleSign() : entry.Type(*key - '0');
        CMemoryMap memory;
        EXPECT_EQ(entry.Commit(memory), row.m_nWritten.has_value()) << row.m_pszKeys;
        EXPECT_EQ(memory.Read({1, 1, 9}), row.m_nWritten.value_or(0)) << row.m_pszKeys;
    }
}

TEST(PanelKey, NamesAndNumbers) {
    const std::pair<const char*, std::optional<EPanelKey>> names[] = {
        {"esc", EPanelKey::Esc},  {"F20", EPanelKey::Clr}, {"+/-", EPanelKey::PlusMinus},
        {"7", EPanelKey::Digit7}, {"F0", std::nullopt},    {"F21", std::nullopt},
        {"F1x", std::nullopt},    {"", std::nullopt}};
    for (const auto& [name, key] : names) EXPECT_EQ(PanelKeyFromName(name), key) << name;
}

}  // namespace
}  // namespace tavelo
