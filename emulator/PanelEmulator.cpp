#include "PanelEmulator.h"

#include <algorithm>
#include <utility>

#include "AlarmWatch.h"
#include "FunctionKeyAction.h"

namespace tavelo {

CPanelEmulator::CPanelEmulator(const CPanelImage& image, IPlcMemory& memory)
    : m_image(image),
      m_memory(memory),
      m_password(image.GetContents().m_systemBlock),
      m_saver(image.GetContents().m_systemBlock) {
    if (image.IsLoaded()) m_nScreen = image.GetContents().m_systemBlock.Value("initialScreen");
}

void CPanelEmulator::Press(EPanelKey key) {
    m_bEntryRefused = m_bPasswordRefused = false;
    if (m_saver.Wake()) {
        m_eWakingKey = key;
        return;
    }
    if (m_ePage == EPanelPage::Password) {
        PasswordKey(key);
    } else if (m_ePage != EPanelPage::Screen) {
        PageKey(key);
    } else if (m_entry) {
        EntryKey(key);
    } else if (const CImageRecord* entry = FindKeyEntry(key)) {
        RunKey(*entry, true);
    } else {
        ScreenKey(key);
    }
}

void CPanelEmulator::Release(EPanelKey key) {
    if (m_eWakingKey == key) {
        m_eWakingKey.reset();
        return;
    }
    if (!m_pHeldKey) return;
    const CFunctionKeyAction held(*m_pHeldKey);
    if (held.KeyNumber() != static_cast<int>(key)) return;
    held.Release(m_memory);
    m_pHeldKey = nullptr;
}

void CPanelEmulator::Elapse(std::chrono::milliseconds time) {
    // Held at its largest rather than wrapping round.
    if (time.count() > 0) m_runTime += std::min(time, std::chrono::milliseconds::max() - m_runTime);
    // A key held down is not a panel left alone.
    if (m_pHeldKey || !m_saver.Elapse(time)) return;
    m_entry.reset();
    m_pending = {};
    m_ePage = EPanelPage::Screen;
    m_bUnlocked = false;
}

std::int64_t CPanelEmulator::GetShownScreen() const {
    if (m_saver.GetState() == CScreenSaver::EState::ShowingScreen && m_image.IsLoaded() &&
        m_image.FindScreen(m_saver.GetScreen()))
        return m_saver.GetScreen();
    return m_nScreen;
}

const CImageRecord* CPanelEmulator::GetEditedRegister() const {
    return m_entry ? &m_entry->GetRecord() : nullptr;
}

std::string CPanelEmulator::GetTyped() const {
    if (m_ePage == EPanelPage::Password) return m_password.GetTyped();
    return m_entry ? m_entry->GetTyped() : std::string();
}

std::vector<const CImageRecord*> CPanelEmulator::GetActiveAlarms() const {
    if (!m_image.IsLoaded()) return {};
    return CAlarmWatch(m_image.GetContents()).ActiveAlarms(m_memory);
}

const CImageScreen* CPanelEmulator::CurrentScreen() const {
    return m_image.IsLoaded() ? m_image.FindScreen(m_nScreen) : nullptr;
}

const CImageRecord* CPanelEmulator::FindKeyEntry(EPanelKey key) const {
    const CImageScreen* screen = CurrentScreen();
    if (!screen) return nullptr;
    for (const CImageRecord& entry : screen->m_keyEntries)
        if (CFunctionKeyAction(entry).KeyNumber() == static_cast<int>(key)) return &entry;
    return nullptr;
}

std::vector<const CImageRecord*> CPanelEmulator::SettableRegisters() const {
    std::vector<const CImageRecord*> registers;
    if (const CImageScreen* screen = CurrentScreen())
        for (const CImageRecord& element : screen->m_elements)
            if (CRegisterEntry::IsEditable(element)) registers.push_back(&element);
    return registers;
}

void CPanelEmulator::ScreenKey(EPanelKey key) {
    const CImageScreen* screen = CurrentScreen();
    if (!screen) return;
    if (key == EPanelKey::Up) GoTo(screen->m_entry.Value("upScreen"));
    if (key == EPanelKey::Down) GoTo(screen->m_entry.Value("downScreen"));
    if (key == EPanelKey::Set) StartEntry(0);
    if (key == EPanelKey::Alm) ShowPage(EPanelPage::AlarmList);
}

void CPanelEmulator::EntryKey(EPanelKey key) {
    if (const std::optional<int> digit = DigitOfKey(key)) {
        m_entry->Type(*digit);
    } else if (key == EPanelKey::PlusMinus) {
        m_entry->ToggleSign();
    } else if (key == EPanelKey::Clr) {
        m_entry->Clear();
    } else if (key == EPanelKey::Esc) {
        m_entry.reset();
    } else if (key == EPanelKey::Set) {
        StartEntry(m_nEntryIndex + 1);
    } else if (key == EPanelKey::Ent) {
        if (!m_entry->Value() || m_entry->Commit(m_memory))
            m_entry.reset();
        else
            m_bEntryRefused = true;
    }
}

void CPanelEmulator::PageKey(EPanelKey key) {
    if (key == EPanelKey::Esc || (key == EPanelKey::Alm && m_ePage == EPanelPage::AlarmList))
        m_ePage = EPanelPage::Screen;
    if (m_ePage != EPanelPage::AlarmList) return;
    if (key == EPanelKey::Up && m_nAlarmTop > 0) --m_nAlarmTop;
    if (key == EPanelKey::Down && m_nAlarmTop + 1 < GetActiveAlarms().size()) ++m_nAlarmTop;
}

void CPanelEmulator::ShowPage(EPanelPage page) {
    m_ePage = page;
    m_nAlarmTop = 0;
}

void CPanelEmulator::PasswordKey(EPanelKey key) {
    if (const std::optional<int> digit = DigitOfKey(key)) {
        m_password.Type(*digit);
    } else if (key == EPanelKey::Clr) {
        m_password.Clear();
    } else if (key == EPanelKey::Esc) {
        m_pending = {};
        m_ePage = EPanelPage::Screen;
    } else if (key == EPanelKey::Ent) {
        if (!m_password.Check()) {
            m_bPasswordRefused = true;
            return;
        }
        m_bUnlocked = true;
        m_ePage = EPanelPage::Screen;
        const CPending pending = std::exchange(m_pending, {});
        if (pending.m_pKey) RunKey(*pending.m_pKey, false);
        if (pending.m_nRegister) StartEntry(*pending.m_nRegister);
    }
}

void CPanelEmulator::RunKey(const CImageRecord& entry, bool isHeld) {
    const CFunctionKeyAction action(entry);
    if (action.NeedsPassword() && IsLocked()) return AskPassword({&entry, std::nullopt});
    const CFunctionKeyAction::COutcome outcome = action.Press(m_memory);
    // A momentary key run after the password is no longer held down: it pulses.
    if (action.IsMomentary()) {
        if (isHeld)
            m_pHeldKey = &entry;
        else
            action.Release(m_memory);
    }
    if (outcome.m_nScreen) GoTo(*outcome.m_nScreen);
    if (outcome.m_ePage == EPanelPage::Password)
        AskPassword({});
    else if (outcome.m_ePage)
        ShowPage(*outcome.m_ePage);
}

void CPanelEmulator::StartEntry(std::size_t index) {
    m_entry.reset();
    const std::vector<const CImageRecord*> registers = SettableRegisters();
    if (registers.empty()) return;
    // SET after the last register starts again with the first.
    m_nEntryIndex = index % registers.size();
    const CImageRecord& record = *registers[m_nEntryIndex];
    if (CRegisterEntry(record).NeedsPassword() && IsLocked())
        return AskPassword({nullptr, m_nEntryIndex});
    m_entry.emplace(record);
}

void CPanelEmulator::AskPassword(CPending pending) {
    m_entry.reset();
    m_password.Clear();
    m_pending = pending;
    m_ePage = EPanelPage::Password;
}

void CPanelEmulator::GoTo(std::int64_t screen) {
    if (!m_image.FindScreen(screen)) return;
    m_entry.reset();
    m_nScreen = screen;
}

}  // namespace tavelo
