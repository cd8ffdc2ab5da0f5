#pragma once
// The panel the key and display tests run: an image with settable registers, function keys of
// every action, a password, two alarms and the screen saver, and a memory for its PLC values.

#include <sstream>

#include "FrameTestSupport.h"
#include "compiler/CompilerFixtures.h"
#include "elements/FunctionKey.h"
#include "elements/Register.h"
#include "emulator/PanelEmulator.h"

namespace tavelo::test {

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

inline constexpr CPollAddress kToggleCoil{1, 3, 5}, kMomentaryCoil{1, 3, 6}, kLimited{1, 1, 10},
    kProtected{1, 1, 11}, kWritten{1, 1, 20};

inline CFunctionKey& PlaceKey(CTaveloDoc& doc, EPanelKey key, std::int32_t x) {
    CFunctionKey& element = Place(doc, std::make_unique<CFunctionKey>(), 1, x, 40);
    element.SetKey(static_cast<std::int32_t>(key) - 1);
    return element;
}

// Screen 1: a register settable within 0..100, a signed one behind the password and keys
// 1 (toggle), 2 (momentary), 3 (a protected register write), 4 (to screen 2), 5 (alarm list),
// 6 (time page).
// Screen 2 leads down to screen 3, which does not exist. Password 12; the saver after a minute.
inline CPanelImage CompilePanel(std::int32_t saverAction) {
    CTaveloDoc doc;
    AddScreen(doc, 1);
    AddScreen(doc, 2);
    for (const std::int32_t y : {0, 20}) {
        CRegister& settable = Place(doc, std::make_unique<CRegister>(), 1, 0, y);
        settable.SetSettable(true);
        settable.GetAddress() = MakeAddress(1, 1, 10 + y / 20, 1, 2);
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
        coil.SetAddress(MakeAddress(1, 3, 0));
        coil.SetLinearAddress(static_cast<std::int32_t>(kToggleCoil.m_nAddress) +
                              (key == EPanelKey::Digit2));
    }
    CFunctionKey& write = PlaceKey(doc, EPanelKey::Digit3, 100);
    write.SetActionFlags(false, false);
    write.SetLook(true, false, true);
    write.SetAddress(MakeAddress(1, 1, 20, 1, 2));
    write.SetRegisterWrite(1, 300);
    CFunctionKey& jump = PlaceKey(doc, EPanelKey::Digit4, 120);
    jump.SetActionFlags(false, true);
    jump.SetJumpScreen(2);
    CFunctionKey& alarms = PlaceKey(doc, EPanelKey::Digit5, 140);
    alarms.SetActionFlags(false, true);
    alarms.SetJumpFlags(1, false, false, true, false);
    CFunctionKey& clock = PlaceKey(doc, EPanelKey::Digit6, 160);
    clock.SetActionFlags(false, true);
    clock.SetJumpFlags(1, false, false, false, true);
    doc.FindScreen(2)->SetDownScreen(3);
    doc.GetAlarms().m_texts = {u"Hot", u"Pump"};
    CSystemSettings& settings = doc.GetSystemSettings();
    settings.m_strPassword = u"12";
    settings.m_nSaverMinutes = 1;
    settings.m_nSaverAction = saverAction;
    settings.m_nSaverScreen = 2;
    return CPanelImage::Load(CompileWithDeliveredData(doc, CAppState{}));
}

// Sets the bit of the alarm at that place of the list.
inline void RaiseAlarm(const CPanelImage& image, IPlcMemory& memory, std::int64_t alarm) {
    const CImageRecord& system = image.GetContents().m_systemBlock;
    memory.Write({system.Value("alarmStation"), system.Value("alarmUnit"),
                  system.Value("alarmStartBit") + alarm},
                 1);
}

// Taps the keys named, separated by spaces.
inline void Type(CPanelEmulator& panel, const std::string& keys) {
    std::istringstream names(keys);
    for (std::string name; names >> name;) {
        const std::optional<EPanelKey> key = PanelKeyFromName(name);
        ASSERT_TRUE(key) << name;
        panel.Tap(*key);
    }
}

}  // namespace tavelo::test
