#include "ModbusEndpoint.h"

#include <array>
#include <charconv>
#include <stdexcept>

#include "compiler/ImageContents.h"
#include "model/LinkSettings.h"

namespace tavelo {

namespace {

constexpr std::array<int, CLinkSettings::kBaudCodes.size()> kBaudRates = {1200, 2400, 4800,
                                                                           9600, 19200, 38400};
constexpr std::array<char, 4> kParities = {'N', 'O', 'E', 'N'};
constexpr std::string_view kTcpPrefix = "tcp:";
constexpr std::string_view kRtuPrefix = "rtu:";
constexpr int kHighestPort = 0xFFFF;

const char* const kForm = " (expected tcp:HOST[:PORT] or rtu:DEVICE)";

int ParsePort(std::string_view text, std::string_view whole) {
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc{} || end != text.data() + text.size() || port < 1 || port > kHighestPort)
        throw std::invalid_argument("\"" + std::string(whole) + "\": port must be 1 to 65535");
    return port;
}

}  // namespace

CSerialLine CSerialLine::FromLinkFormat(std::uint8_t linkFormat) {
    CSerialLine line;
    line.m_nBaud = kBaudRates[static_cast<std::size_t>(
        CLinkSettings::BaudIndexOfCode(static_cast<std::uint8_t>(linkFormat & 0x0F)))];
    line.m_chParity = kParities[(linkFormat >> 4) & 0x03];
    line.m_nDataBits = (linkFormat & 0x40) != 0 ? 7 : 8;
    line.m_nStopBits = (linkFormat & 0x80) != 0 ? 1 : 2;
    return line;
}

CModbusEndpoint CModbusEndpoint::Parse(std::string_view text) {
    CModbusEndpoint endpoint;
    if (text.starts_with(kRtuPrefix) && text.size() > kRtuPrefix.size()) {
        endpoint.m_eKind = EKind::Rtu;
        endpoint.m_strDevice = text.substr(kRtuPrefix.size());
        return endpoint;
    }
    if (!text.starts_with(kTcpPrefix) || text.size() == kTcpPrefix.size())
        throw std::invalid_argument("\"" + std::string(text) + "\" names no Modbus link" + kForm);
    std::string_view host = text.substr(kTcpPrefix.size());
    // An IPv6 address is bracketed, so its colons are not taken for the port's.
    const std::size_t closing = host.starts_with('[') ? host.find(']') : 0;
    if (closing == std::string_view::npos)
        throw std::invalid_argument("\"" + std::string(text) + "\": unclosed '['" + kForm);
    const std::size_t colon = host.find(':', closing);
    if (colon != std::string_view::npos) {
        endpoint.m_nPort = ParsePort(host.substr(colon + 1), text);
        host = host.substr(0, colon);
    }
    if (host.starts_with('[')) host = host.substr(1, host.size() - 2);
    if (host.empty()) throw std::invalid_argument("\"" + std::string(text) + "\": no host" + kForm);
    endpoint.m_strHost = host;
    return endpoint;
}

CModbusEndpoint CModbusEndpoint::ForImage(std::string_view text, const CImageContents& image) {
    CModbusEndpoint endpoint = Parse(text);
    endpoint.m_line = CSerialLine::FromLinkFormat(
        static_cast<std::uint8_t>(image.m_systemBlock.Value("linkFormat")));
    return endpoint;
}

std::string CModbusEndpoint::Describe() const {
    if (m_eKind == EKind::Rtu) return std::string(kRtuPrefix) + m_strDevice;
    const bool bracket = m_strHost.find(':') != std::string::npos;
    return std::string(kTcpPrefix) + (bracket ? "[" + m_strHost + "]" : m_strHost) + ":" +
           std::to_string(m_nPort);
}

}  // namespace tavelo
