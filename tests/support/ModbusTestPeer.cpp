#include "ModbusTestPeer.h"

#include <arpa/inet.h>
#include <modbus/modbus.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tavelo::test {

namespace {

constexpr int kPollMs = 20;

// True when fd has something to read within the poll interval.
bool Readable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, kPollMs) > 0 && (entry.revents & (POLLIN | POLLHUP)) != 0;
}

}  // namespace

CModbusTestPeer::CModbusTestPeer(EKind kind) {
    m_pMapping = modbus_mapping_new(kTableSize, kTableSize, kTableSize, kTableSize);
    if (kind == EKind::Tcp) {
        m_pContext = modbus_new_tcp("127.0.0.1", 0);
        m_nListen = m_pContext ? modbus_tcp_listen(m_pContext, 1) : -1;
        sockaddr_in bound{};
        socklen_t length = sizeof bound;
        if (m_nListen < 0 || getsockname(m_nListen, reinterpret_cast<sockaddr*>(&bound), &length) != 0)
            throw std::runtime_error("the test peer cannot listen on the loopback address");
        m_strEndpoint = "tcp:127.0.0.1:" + std::to_string(ntohs(bound.sin_port));
        m_server = std::thread([this] { ServeTcp(); });
        return;
    }
    char name[256] = {};
    if (openpty(&m_nMaster, &m_nSlave, name, nullptr, nullptr) != 0)
        throw std::runtime_error("the test peer cannot open a pseudo-terminal");
    // The server side talks straight through the master; the device name is never opened.
    m_pContext = modbus_new_rtu(name, 9600, 'N', 8, 1);
    modbus_set_socket(m_pContext, m_nMaster);
    modbus_set_slave(m_pContext, kRtuStation);
    m_strEndpoint = std::string("rtu:") + name;
    m_server = std::thread([this] { ServeRtu(); });
}

CModbusTestPeer::~CModbusTestPeer() {
    m_bStop = true;
    m_server.join();
    for (const int fd : {m_nListen, m_nMaster, m_nSlave})
        if (fd >= 0) close(fd);
    modbus_free(m_pContext);
    modbus_mapping_free(m_pMapping);
}

void CModbusTestPeer::ServeTcp() {
    int client = -1;
    while (!m_bStop) {
        if (client < 0) {
            if (Readable(m_nListen)) client = modbus_tcp_accept(m_pContext, &m_nListen);
            continue;
        }
        if (m_bDrop.exchange(false) || (Readable(client) && !Answer(client))) {
            close(client);
            client = -1;
        }
    }
    if (client >= 0) close(client);
}

void CModbusTestPeer::ServeRtu() {
    while (!m_bStop)
        if (Readable(m_nMaster)) Answer(m_nMaster);
}

bool CModbusTestPeer::Answer(int fd) {
    modbus_set_socket(m_pContext, fd);
    std::uint8_t request[MODBUS_TCP_MAX_ADU_LENGTH];
    const int length = modbus_receive(m_pContext, request);
    if (length < 0) return errno != ECONNRESET && errno != EBADF && errno != EIO;
    if (length == 0) return true;  // meant for another station
    const int header = modbus_get_header_length(m_pContext);
    const int address = (request[header + 1] << 8) | request[header + 2];
    if (address == m_nIgnored) return true;
    const std::scoped_lock lock(m_mutex);
    if (address == m_nRefused)
        modbus_reply_exception(m_pContext, request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
    else
        modbus_reply(m_pContext, request, length, m_pMapping);
    ++m_nAnswered;
    return true;
}

void CModbusTestPeer::SetHolding(int address, std::uint16_t value) {
    const std::scoped_lock lock(m_mutex);
    m_pMapping->tab_registers[address] = value;
}

void CModbusTestPeer::SetInput(int address, std::uint16_t value) {
    const std::scoped_lock lock(m_mutex);
    m_pMapping->tab_input_registers[address] = value;
}

void CModbusTestPeer::SetCoil(int address, bool on) {
    const std::scoped_lock lock(m_mutex);
    m_pMapping->tab_bits[address] = on ? 1 : 0;
}

void CModbusTestPeer::SetDiscrete(int address, bool on) {
    const std::scoped_lock lock(m_mutex);
    m_pMapping->tab_input_bits[address] = on ? 1 : 0;
}

std::uint16_t CModbusTestPeer::GetHolding(int address) const {
    const std::scoped_lock lock(m_mutex);
    return m_pMapping->tab_registers[address];
}

bool CModbusTestPeer::GetCoil(int address) const {
    const std::scoped_lock lock(m_mutex);
    return m_pMapping->tab_bits[address] != 0;
}

}  // namespace tavelo::test
