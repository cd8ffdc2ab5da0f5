#include "AddressUses.h"

#include <algorithm>
#include <optional>

#include "CheckMessages.h"
#include "compiler/ElementCast.h"
#include "compiler/SystemBlock.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/TrendBar.h"
#include "model/AppState.h"
#include "model/TaveloDoc.h"

namespace tavelo {

namespace cm = check_messages;

namespace {

CAddressUse UseOf(const CRegisterUnit& address, EAccess access, bool countedRegisters) {
    CAddressUse use;
    use.m_nStation = address.m_nStation;
    use.m_nUnitType = address.m_nUnitType;
    use.m_nAddress = address.m_nAddress;
    use.m_nBit = address.m_nBit;
    use.m_nCount = address.m_nCount;
    use.m_eAccess = access;
    use.m_bCountedRegisters = countedRegisters;
    return use;
}

std::optional<CAddressUse> KeyUse(const CFunctionKey& key) {
    const auto [coil, jump] = key.GetActionFlags();
    if (coil) return UseOf(key.GetAddress(), EAccess::Write, false);
    if (jump) return std::nullopt;
    CAddressUse use = UseOf(key.GetAddress(), EAccess::Write, false);
    use.m_nCount = key.GetRegCount();
    return use;
}

std::optional<CAddressUse> ElementUse(const CGraphObj& element) {
    if (const auto* value = ElementAs<CRegister>(element))
        return UseOf(value->GetAddress(), value->IsSettable() ? EAccess::ReadWrite : EAccess::Read,
                     true);
    if (const auto* lamp = ElementAs<CIndicator>(element))
        return UseOf(lamp->GetAddress(), EAccess::Read, false);
    if (const auto* text = ElementAs<CDynamicText>(element))
        return UseOf(text->GetAddress(), EAccess::Read, true);
    if (const auto* picture = ElementAs<CDynamicBitmap>(element))
        return UseOf(picture->GetAddress(), EAccess::Read, false);
    if (const auto* graph = ElementAs<CTrendBar>(element))
        return UseOf(graph->GetAddress(), EAccess::Read, true);
    if (const auto* key = ElementAs<CFunctionKey>(element)) return KeyUse(*key);
    return std::nullopt;
}

}  // namespace

const CRegUnitConfig* FindUnitByType(const CAppState& state, std::int32_t unitType) {
    const auto& units = state.m_currentPlc.GetUnits();
    const auto unit = std::find_if(units.begin(), units.end(), [unitType](const auto& candidate) {
        return candidate.m_nTypeNo == unitType;
    });
    return unit == units.end() ? nullptr : &*unit;
}

std::vector<CAddressUse> CollectAddressUses(const CTaveloDoc& doc, const CAppState& state) {
    std::vector<CAddressUse> uses;
    for (const auto& element : doc.GetElements()) {
        if (!doc.FindScreen(element->m_nScreenNo)) continue;
        std::optional<CAddressUse> use = ElementUse(*element);
        if (!use) continue;
        use->m_pElement = element.get();
        uses.push_back(*use);
    }
    const CAlarmList& alarms = doc.GetAlarms();
    if (const std::size_t count = CountAlarms(alarms.GetTexts())) {
        CAddressUse use;
        use.m_nStation = alarms.m_nStation;
        use.m_nUnitType = alarms.m_nUnitType;
        use.m_nAddress = alarms.m_nAddress;
        use.m_nBit = alarms.m_nBit;
        use.m_nCount = static_cast<std::int32_t>(count);
        use.m_strWhere = cm::kAlarmListWhere;
        uses.push_back(use);
    }
    const CSystemSettings& settings = doc.GetSystemSettings();
    const auto& functions = settings.m_bFunctions;
    if (std::any_of(functions.begin(), functions.end(), [](std::int32_t on) { return on != 0; })) {
        CAddressUse use;
        use.m_nStation = settings.m_nStation;
        use.m_nUnitType = settings.m_nControlUnitType;
        use.m_nAddress = settings.m_nControlRegister;
        use.m_eAccess = EAccess::ReadWrite;
        use.m_strWhere = cm::kControlRegisterWhere;
        uses.push_back(use);
    }
    for (CAddressUse& use : uses)
        if (const CRegUnitConfig* unit = FindUnitByType(state, use.m_nUnitType))
            use.m_nByteCount = use.m_nCount * unit->m_nUnitBytes;
    return uses;
}

const char16_t* AccessName(EAccess access) {
    switch (access) {
        case EAccess::Read:
            return cm::kRead;
        case EAccess::Write:
            return cm::kWrite;
        case EAccess::ReadWrite:
            break;
    }
    return cm::kReadWrite;
}

}  // namespace tavelo
