#pragma once
// The values the whole program shares: panel model, PLC list index and current PLC type.
// The application owns one; everything that reads them is handed it. Tests make their own.

#include <cstdint>

#include "PLC.h"

namespace tavelo {

class CAppState {
public:
    static constexpr std::int32_t kModelZorA = 0;
    static constexpr std::int32_t kModelZorB = 1;

    // "ZORA" or "ZORB", for captions.
    const char16_t* GetModelName() const { return m_nModelIndex == kModelZorB ? u"ZORB" : u"ZORA"; }

    std::int32_t m_nModelIndex = kModelZorA;
    // Kept as one byte: the low 8 bits of the stored index.
    std::uint8_t m_nPlcListIndex = 0;
    CPLC m_currentPlc;
};

}  // namespace tavelo
