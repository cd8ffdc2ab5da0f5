#include "FunctionKeyAction.h"

#include <algorithm>

namespace tavelo {

CFunctionKeyAction::COutcome CFunctionKeyAction::Press(IPlcMemory& memory) const {
    if (Action() == kJump) return Jump();
    if (Action() == kWriteRegister) {
        const std::int64_t bytes = std::clamp<std::int64_t>(m_entry.Value("byteCount"), 1, 4);
        memory.Write(Address(),
                     m_entry.Value("parameter") & ((std::int64_t{1} << (8 * bytes)) - 1));
    } else if (Action() == kCoil) {
        switch (SubAction()) {
            case kOn:
            case kMomentary:
                memory.Write(Address(), 1);
                break;
            case kOff:
                memory.Write(Address(), 0);
                break;
            case kToggle:
                memory.Write(Address(), memory.Read(Address()) == 0 ? 1 : 0);
                break;
            default:
                break;
        }
    }
    return {};
}

void CFunctionKeyAction::Release(IPlcMemory& memory) const {
    if (IsMomentary()) memory.Write(Address(), 0);
}

CPollAddress CFunctionKeyAction::Address() const {
    return {m_entry.Value("station"), m_entry.Value("unitCode"), m_entry.Value("address")};
}

CFunctionKeyAction::COutcome CFunctionKeyAction::Jump() const {
    switch (SubAction()) {
        case 0:
            return {m_entry.Value("jumpScreen"), std::nullopt};
        case 1:
            return {std::nullopt, EPanelPage::Password};
        case 2:
            return {std::nullopt, EPanelPage::AlarmList};
        case 3:
            return {std::nullopt, EPanelPage::Time};
        default:
            return {};
    }
}

}  // namespace tavelo
