#include "LinkFormatByte.h"

#include "model/LinkSettings.h"

namespace tavelo {

std::uint8_t LinkFormatByte(const CLinkSettings& settings) {
    return static_cast<std::uint8_t>(
        (settings.m_nBaudCode & 0x0F) | ((settings.m_nParityChoice & 0x03) << 4) |
        ((settings.m_nDataBitsChoice & 0x01) << 6) | ((settings.m_nStopBitsChoice & 0x01) << 7));
}

}  // namespace tavelo
