#include "SerialComParam.h"

#include "Archive.h"

namespace tavelo {

CSerialComParam::CSerialComParam(std::int32_t port, std::int32_t baudIndex, std::int32_t dataBits,
                                 std::int32_t stopBits, std::int32_t parity) {
    Set(port, baudIndex, dataBits, stopBits, parity);
}

void CSerialComParam::Set(std::int32_t port, std::int32_t baudIndex, std::int32_t dataBits,
                          std::int32_t stopBits, std::int32_t parity) {
    m_nPort = port;
    m_nBaudIndex = baudIndex;
    m_nDataBits = dataBits;
    m_nStopBits = stopBits;
    m_nParity = parity;
}

void CSerialComParam::Get(std::int32_t& port, std::int32_t& baudIndex, std::int32_t& dataBits,
                          std::int32_t& stopBits, std::int32_t& parity) const {
    port = m_nPort;
    baudIndex = m_nBaudIndex;
    dataBits = m_nDataBits;
    stopBits = m_nStopBits;
    parity = m_nParity;
}

void CSerialComParam::Serialize(CArchive& ar) {
    ar.Int32(m_nPort);
    ar.Int32(m_nBaudIndex);
    ar.Int32(m_nDataBits);
    ar.Int32(m_nStopBits);
    ar.Int32(m_nParity);
}

}  // namespace tavelo
