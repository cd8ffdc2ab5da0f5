#pragma once
// What one entry of a screen's function-key table does when its key is pressed and released:
// a coil written ON, OFF, toggled or held ON while the key is down, a register value written in
// its byte count, or a jump to a screen or to one of the panel's own pages.

#include <cstdint>
#include <optional>

#include "PanelPage.h"
#include "PlcMemory.h"
#include "compiler/ImageContents.h"

namespace tavelo {

class CFunctionKeyAction {
public:
    // Where the panel goes after the key: a screen (when the image has it) or a page.
    struct COutcome {
        std::optional<std::int64_t> m_nScreen;
        std::optional<EPanelPage> m_ePage;
    };

    explicit CFunctionKeyAction(const CImageRecord& entry) : m_entry(entry) {}

    // The key number 1 to 20 the entry belongs to.
    int KeyNumber() const { return static_cast<int>(m_entry.Value("key") & 0x7F); }
    bool NeedsPassword() const { return (m_entry.Value("key") & 0x80) != 0; }
    bool IsMomentary() const { return Action() == kCoil && SubAction() == kMomentary; }
    // A coil or register write, as opposed to a jump.
    bool WritesPlc() const { return Action() == kCoil || Action() == kWriteRegister; }

    COutcome Press(IPlcMemory& memory) const;
    // Only a momentary coil acts on release: it goes OFF again.
    void Release(IPlcMemory& memory) const;

private:
    static constexpr std::int64_t kCoil = 0, kJump = 1, kWriteRegister = 2;
    static constexpr std::int64_t kOn = 0, kOff = 1, kToggle = 2, kMomentary = 3;

    std::int64_t Action() const { return m_entry.Value("action"); }
    std::int64_t SubAction() const { return m_entry.Value("subAction"); }
    CPollAddress Address() const;
    COutcome Jump() const;

    const CImageRecord& m_entry;
};

}  // namespace tavelo
