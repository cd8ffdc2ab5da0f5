#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "compiler/CompilerFixtures.h"
#include "elements/FunctionKey.h"
#include "elements/Register.h"
#include "emulator/PanelEmulator.h"

namespace tavelo {
namespace {

class CMemoryMap : public IPlcMemory {
public:
    std::int64_t Read(const CPollAddress& address) const override {
        const auto found = m_values.find(address);
        return found == m_values.end() ? 0 : found->second;
    }
    void Write(const CPollAddress& address, std::int64_t value) override {
        m_values[address] = value;
    }

    std::map<CPollAddress, std::int64_t> m_values;
};

constexpr CPollAddress kToggleCoil{1, 3, 5}, kMomentaryCoil{1, 3, 6}, kLimited{1, 1, 10},
    kProtected{1, 1, 11}, kWritten{1, 1, 20};

CFunctionKey& PlaceKey(CTaveloDoc& doc, EPanelKey key, std::int32_t x) {
    CFunctionKey& element = test::Place(doc, std::make_unique<CFunctionKey>(), 1, x, 40);
    element.SetKey(static_cast<std::int32_t>(key) - 1);
    return element;
}

// Screen 1: a register settable within 0..100, a signed one behind the password and keys
// 1 (toggle), 2 (momentary), 3 (a protected register write), 4 (to screen 2), 5 (alarm list).
// Screen 2 leads down to screen 3, which does not exist. Password 12; the saver after a minute.
CPanelImage CompilePanel(std::int32_t saverAction) {
    CTaveloDoc doc;
    test::AddScreen(doc, 1);
    test::AddScreen(doc, 2);
    for (const std::int32_t y : {0, 20}) {
        CRegister& settable = test::Place(doc, std::make_unique<CRegister>(), 1, 0, y);
        settable.SetSettable(true);
        settable.GetAddress() = test::MakeAddress(1, 1, 10 + y / 20, 1, 2);
        settable.SetLimits(y == 0);
        settable.SetInputLimits(100, 0);
        settable.SetPassword(y == 20);
        settable.SetSigned(y == 20);
    }
    for (const auto& [key, flags] :
         {std::pair{EPanelKey::Digit1, std::array{false, false, true, false}},
          std::pair{EPanelKey::Digit2, std::array{false, false, false, true}}}) {
        CFunctionKey& coil = PlaceKey(doc, key, static_cast<std::int32_t>(key) * 8);
        coil.SetCoilFlags(flags[0], flags[1], flags[2], flags[3]);
        coil.SetAddress(test::MakeAddress(1, 3, 0));
        coil.SetLinearAddress(static_cast<std::int32_t>(kToggleCoil.m_nAddress) +
                              (key == EPanelKey::Digit2));
    }
    CFunctionKey& write = PlaceKey(doc, EPanelKey::Digit3, 100);
    write.SetActionFlags(false, false);
    write.SetLook(true, false, true);
    write.SetAddress(test::MakeAddress(1, 1, 20, 1, 2));
    write.SetRegisterWrite(1, 300);
    CFunctionKey& jump = PlaceKey(doc, EPanelKey::Digit4, 120);
    jump.SetActionFlags(false, true);
    jump.SetJumpScreen(2);
    CFunctionKey& alarms = PlaceKey(doc, EPanelKey::Digit5, 140);
    alarms.SetActionFlags(false, true);
    alarms.SetJumpFlags(1, false, false, true, false);
    doc.FindScreen(2)->SetDownScreen(3);
    doc.GetAlarms().m_texts = {u"Hot", u"Pump"};
    CSystemSettings& settings = doc.GetSystemSettings();
    settings.m_strPassword = u"12";
    settings.m_nSaverMinutes = 1;
    settings.m_nSaverAction = saverAction;
    settings.m_nSaverScreen = 2;
    test::CSyntheticDataDir data;
    CCompileOutcome outcome = test::Compile(doc, CAppState{}, data);
    EXPECT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
    return CPanelImage::Load(outcome.m_image.value_or(CDownloadImage{}).m_bytes);
}

// Taps the keys named, separated by spaces.
void Type(CPanelEmulator& panel, const std::string& keys) {
    std::istringstream names(keys);
    for (std::string name; names >> name;) {
        const std::optional<EPanelKey> key = PanelKeyFromName(name);
        ASSERT_TRUE(key) << name;
        panel.Tap(*key);
    }
}

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
    Type(panel, "SET SET");
    EXPECT_EQ(panel.GetPage(), EPanelPage::Password);
    Type(panel, "5 ENT");
    EXPECT_TRUE(panel.IsPasswordRefused());
    Type(panel, "1 2 ENT +/- 4 2");
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
    Type(panel, "3 1 2");
    EXPECT_EQ(panel.GetTyped(), "12");
    Type(panel, "ENT");
    EXPECT_EQ(memory.Read(kWritten), 300);
}

TEST_F(PanelEmulator, ListsTheAlarmsWhoseBitsAreSet) {
    const CImageRecord& system = image.GetContents().m_systemBlock;
    const auto raise = [&](std::int64_t alarm) {
        memory.Write({system.Value("alarmStation"), system.Value("alarmUnit"),
                      system.Value("alarmStartBit") + alarm},
                     1);
    };
    raise(1);
    Type(panel, "ALM");
    EXPECT_EQ(panel.GetPage(), EPanelPage::AlarmList);
    EXPECT_EQ(panel.GetActiveAlarms(),
              std::vector<const CImageRecord*>{&image.GetContents().m_alarms.at(1)});
    // The list scrolls only as far as its last alarm.
    Type(panel, "DOWN");
    EXPECT_EQ(panel.GetAlarmListTop(), 0u);
    raise(0);
    Type(panel, "DOWN DOWN");
    EXPECT_EQ(panel.GetAlarmListTop(), 1u);
    Type(panel, "ESC 5");
    EXPECT_EQ(panel.GetPage(), EPanelPage::AlarmList);
    EXPECT_EQ(panel.GetAlarmListTop(), 0u);
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

    const CPanelImage dark = CompilePanel(CSystemSettings::kSaverBacklightOff);
    CPanelEmulator other(dark, memory);
    other.Elapse(std::chrono::hours(100000));
    EXPECT_FALSE(other.IsBacklightOn());
    Type(other, "ALM");
    EXPECT_TRUE(other.IsBacklightOn());
    EXPECT_EQ(other.GetPage(), EPanelPage::Screen);
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
