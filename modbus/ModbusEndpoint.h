#pragma once
// Where a live PLC is reached: a Modbus TCP host and port, or a serial device run as Modbus
// RTU with the line settings the project gives the panel's PLC link.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavelo {

struct CImageContents;

struct CSerialLine {
    int m_nBaud = 9600;
    char m_chParity = 'E';  // 'N', 'O' or 'E', as the serial library names them
    int m_nDataBits = 8;
    int m_nStopBits = 1;

    // The line of the link format byte the download hands the panel (baud code, parity,
    // data-bits and stop-bits choices); an unknown baud code counts as 9600, as the settings
    // dialog shows it.
    static CSerialLine FromLinkFormat(std::uint8_t linkFormat);
};

struct CModbusEndpoint {
    enum class EKind { Tcp, Rtu };
    static constexpr int kDefaultTcpPort = 502;

    EKind m_eKind = EKind::Tcp;
    std::string m_strHost;    // TCP
    int m_nPort = kDefaultTcpPort;
    std::string m_strDevice;  // RTU
    CSerialLine m_line;       // RTU

    // "tcp:HOST[:PORT]" or "rtu:DEVICE"; throws std::invalid_argument saying what is wrong.
    static CModbusEndpoint Parse(std::string_view text);
    // Parse, with an RTU line as the image's system block hands it to the panel.
    static CModbusEndpoint ForImage(std::string_view text, const CImageContents& image);
    // As Parse takes it, for messages.
    std::string Describe() const;
};

}  // namespace tavelo
