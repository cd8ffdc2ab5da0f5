#include "LinkFormatByte.h"

#include "model/LinkSettings.h"

namespace tavelo {

std::uint8_t LinkFormatByte(const CLinkSettings& settings, std::uint8_t plcListIndex) {
    const bool oneStopBit =
        plcListIndex >= kPlcIndexOneStopBitFirst && plcListIndex <= kPlcIndexOneStopBitLast;
    const int stopBitsChoice = oneStopBit ? 1 : settings.m_nStopBitsChoice & 0x01;
    return static_cast<std::uint8_t>(
        (settings.m_nBaudCode & 0x0F) | ((settings.m_nParityChoice & 0x03) << 4) |
        ((settings.m_nDataBitsChoice & 0x01) << 6) | (stopBitsChoice << 7));
}

}  // namespace tavelo
