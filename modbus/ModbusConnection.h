#pragma once
// One Modbus master over libmodbus: opens the TCP connection or the serial device of an
// endpoint, and reads and writes the span of one panel address. Every failure is thrown as a
// CModbusError that says whether the device answered (an exception) or the link failed.

#include <chrono>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "ModbusAddress.h"
#include "ModbusEndpoint.h"

struct _modbus;

namespace tavelo {

class CModbusError : public std::runtime_error {
public:
    CModbusError(const std::string& what, bool isDeviceException)
        : std::runtime_error(what), m_bDeviceException(isDeviceException) {}
    // The device answered with a Modbus exception: the link itself is fine.
    bool IsDeviceException() const { return m_bDeviceException; }

private:
    bool m_bDeviceException;
};

class CModbusConnection {
public:
    // Makes the master; nothing is opened until Connect. A bad endpoint throws CModbusError.
    CModbusConnection(const CModbusEndpoint& endpoint, std::chrono::milliseconds timeout);
    ~CModbusConnection();
    CModbusConnection(const CModbusConnection&) = delete;
    CModbusConnection& operator=(const CModbusConnection&) = delete;

    void Connect();
    void Close();
    bool IsConnected() const { return m_bConnected; }

    // The contents of the span: a bit as 0 or 1, registers joined low word first.
    std::int64_t Read(const CModbusSpan& span);
    // Function 5 for a coil, 6 for one holding register, 16 for several.
    void Write(const CModbusSpan& span, std::int64_t value);

private:
    [[noreturn]] void Fail(const char* what) const;
    void Address(const CModbusSpan& span);

    struct CDeleter {
        void operator()(_modbus* context) const;
    };
    std::unique_ptr<_modbus, CDeleter> m_context;
    bool m_bConnected = false;
};

}  // namespace tavelo
