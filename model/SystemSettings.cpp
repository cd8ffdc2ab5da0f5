#include "SystemSettings.h"

#include <iterator>

#include "Archive.h"

namespace tavelo {

std::uint8_t CSystemSettings::ComputeStatusControl() const {
    const std::int32_t flags[] = {m_bFunctions[kAutoChange], m_bFunctions[kReportScreen],
                                  m_bFunctions[kClock], m_bAnalog};
    unsigned status = 0;
    for (unsigned bit = 0; bit < std::size(flags); ++bit) {
        if (flags[bit] == 0) continue;
        status |= 1u << bit;
        status += 16;
    }
    return static_cast<std::uint8_t>(status);
}

void CSystemSettings::Serialize(CArchive& ar) {
    ar.Int32(m_nInitialScreen);
    ar.String(m_strPassword);
    ar.U8(m_nStatusControl);
    ar.Int32(m_nControlRegister);
    ar.U8(m_nSaverMinutes);
    ar.Int32(m_nSaverAction);
    ar.Int32(m_nSaverScreen);
    ar.U8(m_nControlUnitType);
    ar.Int32(m_nStation);
    for (std::u16string& text : m_strFunctionRegisters) ar.String(text);
    for (std::int32_t& on : m_bFunctions) ar.Int32(on);
    ar.Int32(m_bAnalog);
    ar.Int32(m_nUnitPosition);
}

}  // namespace tavelo
