#pragma once
// The panel's behaviour, run from a download image alone: the screen shown and its up and down
// targets, the function keys of the screen, entering register values, the password, alarm
// list and time pages and the screen saver. Time is given by the caller, so nothing sleeps;
// what the display shows besides the screen is exposed as state for a renderer to draw.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PanelImage.h"
#include "PanelKey.h"
#include "PanelPage.h"
#include "PasswordEntry.h"
#include "PlcMemory.h"
#include "RegisterEntry.h"
#include "ScreenSaver.h"

namespace tavelo {

class CPanelEmulator {
public:
    // Starts on the image's initial screen. An image that did not load has no screens: the
    // screen is then 0 and keys change nothing but the saver.
    CPanelEmulator(const CPanelImage& image, IPlcMemory& memory);

    // A key goes down; every key but a momentary function key acts here.
    void Press(EPanelKey key);
    // A key comes up again: a momentary coil goes OFF.
    void Release(EPanelKey key);
    void Tap(EPanelKey key) {
        Press(key);
        Release(key);
    }
    // Goes to the screen as a jump key does, when the image has it: an emulator started anew
    // on a changed image returns to the screen the user was on.
    void JumpTo(std::int64_t screen) { GoTo(screen); }
    // Time passing on the panel's clock.
    void Elapse(std::chrono::milliseconds time);
    // The time passed since the panel started, which the time page shows.
    std::chrono::milliseconds GetRunTime() const { return m_runTime; }

    // The screen the operator is on, and the one the display shows (the saver's own screen
    // while it shows one).
    std::int64_t GetScreen() const { return m_nScreen; }
    std::int64_t GetShownScreen() const;
    EPanelPage GetPage() const { return m_ePage; }
    bool IsBacklightOn() const { return m_saver.GetState() != CScreenSaver::EState::BacklightOff; }
    CScreenSaver::EState GetSaverState() const { return m_saver.GetState(); }

    // The register being entered, or null.
    const CImageRecord* GetEditedRegister() const;
    // The entry as typed ("-120"), or the password digits typed on the password page.
    std::string GetTyped() const;
    // Set by an ENT the limits refuse (the entry stays as typed) or a wrong password, until
    // the next key.
    bool IsEntryRefused() const { return m_bEntryRefused; }
    bool IsPasswordRefused() const { return m_bPasswordRefused; }
    // The alarm list as it stands now: the records of the set alarms, in bit order.
    std::vector<const CImageRecord*> GetActiveAlarms() const;
    // The first of them the alarm list page shows; UP and DOWN move it.
    std::size_t GetAlarmListTop() const { return m_nAlarmTop; }

private:
    // What waits for the password: a protected function key or register.
    struct CPending {
        const CImageRecord* m_pKey = nullptr;
        std::optional<std::size_t> m_nRegister;
    };

    const CImageScreen* CurrentScreen() const;
    const CImageRecord* FindKeyEntry(EPanelKey key) const;
    std::vector<const CImageRecord*> SettableRegisters() const;
    bool IsLocked() const { return m_password.IsPasswordSet() && !m_bUnlocked; }

    void ScreenKey(EPanelKey key);
    void EntryKey(EPanelKey key);
    void PasswordKey(EPanelKey key);
    // A key on the alarm list or time page.
    void PageKey(EPanelKey key);
    void ShowPage(EPanelPage page);
    // isHeld: the key is down and its release will follow.
    void RunKey(const CImageRecord& entry, bool isHeld);
    void StartEntry(std::size_t index);
    void AskPassword(CPending pending);
    void GoTo(std::int64_t screen);

    const CPanelImage& m_image;
    IPlcMemory& m_memory;
    std::int64_t m_nScreen = 0;
    EPanelPage m_ePage = EPanelPage::Screen;
    std::optional<CRegisterEntry> m_entry;
    std::size_t m_nEntryIndex = 0;
    bool m_bEntryRefused = false;
    std::size_t m_nAlarmTop = 0;
    CPasswordEntry m_password;
    CPending m_pending;
    bool m_bUnlocked = false;
    bool m_bPasswordRefused = false;
    CScreenSaver m_saver;
    std::chrono::milliseconds m_runTime{0};
    // The momentary key held down, and a key whose press only woke the panel.
    const CImageRecord* m_pHeldKey = nullptr;
    std::optional<EPanelKey> m_eWakingKey;
};

}  // namespace tavelo
