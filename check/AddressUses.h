#pragma once
// Every PLC address the project reads or writes: elements on its screens, the alarm bits and
// the control register of the system settings.

#include <cstdint>
#include <string>
#include <vector>

namespace tavelo {

class CAppState;
class CGraphObj;
class CRegUnitConfig;
class CTaveloDoc;

enum class EAccess { Read = 1, Write = 2, ReadWrite = 3 };

struct CAddressUse {
    std::int32_t m_nStation = 0;
    std::int32_t m_nUnitType = 0;
    std::int32_t m_nAddress = 0;
    std::int32_t m_nBit = 0;
    // Registers (or bits) from the address on.
    std::int32_t m_nCount = 1;
    std::int32_t m_nByteCount = 0;
    EAccess m_eAccess = EAccess::Read;
    // Null for the alarm list and the control register; m_strWhere names them.
    const CGraphObj* m_pElement = nullptr;
    std::u16string m_strWhere;
    // Whether the count is the element's register count, which the unit limits.
    bool m_bCountedRegisters = false;
};

// In element order, then the alarm list and the control register when they are used.
std::vector<CAddressUse> CollectAddressUses(const CTaveloDoc& doc, const CAppState& state);

// The current PLC type's unit with that type number, or null.
const CRegUnitConfig* FindUnitByType(const CAppState& state, std::int32_t unitType);

// "读", "写" or "读写".
const char16_t* AccessName(EAccess access);

}  // namespace tavelo
