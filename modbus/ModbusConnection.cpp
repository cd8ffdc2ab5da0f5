#include "ModbusConnection.h"

#include <modbus/modbus.h>

#include <cerrno>
#include <string>
#include <vector>

namespace tavelo {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;

bool IsDeviceException(int error) { return error >= EMBXILFUN && error <= EMBXGTAR; }

}  // namespace

void CModbusConnection::CDeleter::operator()(_modbus* context) const { modbus_free(context); }

CModbusConnection::CModbusConnection(const CModbusEndpoint& endpoint,
                                     std::chrono::milliseconds timeout) {
    if (endpoint.m_eKind == CModbusEndpoint::EKind::Tcp) {
        m_context.reset(modbus_new_tcp_pi(endpoint.m_strHost.c_str(),
                                          std::to_string(endpoint.m_nPort).c_str()));
    } else {
        const CSerialLine& line = endpoint.m_line;
        m_context.reset(modbus_new_rtu(endpoint.m_strDevice.c_str(), line.m_nBaud,
                                       line.m_chParity, line.m_nDataBits, line.m_nStopBits));
    }
    if (!m_context) Fail(("cannot use " + endpoint.Describe()).c_str());
    const std::int64_t micros = std::chrono::microseconds(timeout).count();
    modbus_set_response_timeout(m_context.get(),
                                static_cast<std::uint32_t>(micros / kMicrosecondsPerSecond),
                                static_cast<std::uint32_t>(micros % kMicrosecondsPerSecond));
}

CModbusConnection::~CModbusConnection() { Close(); }

void CModbusConnection::Connect() {
    if (m_bConnected) return;
    if (modbus_connect(m_context.get()) != 0) Fail("cannot connect");
    m_bConnected = true;
}

void CModbusConnection::Close() {
    if (!m_bConnected) return;
    modbus_close(m_context.get());
    m_bConnected = false;
}

void CModbusConnection::Fail(const char* what) const {
    const int error = errno;
    throw CModbusError(std::string(what) + ": " + modbus_strerror(error), IsDeviceException(error));
}

void CModbusConnection::Address(const CModbusSpan& span) {
    if (modbus_set_slave(m_context.get(), span.m_nStation) != 0) Fail("bad station");
}

std::int64_t CModbusConnection::Read(const CModbusSpan& span) {
    Address(span);
    modbus_t* context = m_context.get();
    if (span.IsBits()) {
        std::uint8_t bit = 0;
        const int read = span.m_eTable == EModbusTable::Coils
                             ? modbus_read_bits(context, span.m_nStart, 1, &bit)
                             : modbus_read_input_bits(context, span.m_nStart, 1, &bit);
        if (read != 1) Fail("read failed");
        return bit != 0 ? 1 : 0;
    }
    std::vector<std::uint16_t> registers(static_cast<std::size_t>(span.m_nCount));
    const int read =
        span.m_eTable == EModbusTable::HoldingRegisters
            ? modbus_read_registers(context, span.m_nStart, span.m_nCount, registers.data())
            : modbus_read_input_registers(context, span.m_nStart, span.m_nCount, registers.data());
    if (read != span.m_nCount) Fail("read failed");
    return JoinRegisters(registers);
}

void CModbusConnection::Write(const CModbusSpan& span, std::int64_t value) {
    // Input registers and discrete inputs have no write function; the link stays up.
    if (!span.IsWritable()) throw CModbusError("write refused: the table is read-only", true);
    Address(span);
    modbus_t* context = m_context.get();
    int written = 0;
    if (span.IsBits()) {
        written = modbus_write_bit(context, span.m_nStart, value != 0 ? 1 : 0);
    } else if (span.m_nCount == 1) {
        written = modbus_write_register(context, span.m_nStart, static_cast<std::uint16_t>(value));
    } else {
        const std::vector<std::uint16_t> registers = SplitRegisters(value, span.m_nCount);
        written = modbus_write_registers(context, span.m_nStart, span.m_nCount, registers.data());
    }
    if (written < 1) Fail("write failed");
}

}  // namespace tavelo
