#pragma once
// A Modbus device for tests, served on its own thread by libmodbus's server side: over TCP on
// the loopback address (an ephemeral port) or as an RTU slave on a pseudo-terminal. Its
// tables start at 0 and hold kTableSize entries; faults are injected by request address.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

struct _modbus;
struct _modbus_mapping_t;

namespace tavelo::test {

class CModbusTestPeer {
public:
    enum class EKind { Tcp, Rtu };
    static constexpr int kTableSize = 200;
    // The RTU slave's station; the TCP server answers every unit id.
    static constexpr int kRtuStation = 1;

    explicit CModbusTestPeer(EKind kind);
    ~CModbusTestPeer();
    CModbusTestPeer(const CModbusTestPeer&) = delete;
    CModbusTestPeer& operator=(const CModbusTestPeer&) = delete;

    // "tcp:127.0.0.1:PORT" or "rtu:/dev/pts/N", as tavelo-cli takes it.
    const std::string& GetEndpoint() const { return m_strEndpoint; }

    void SetHolding(int address, std::uint16_t value);
    void SetInput(int address, std::uint16_t value);
    void SetCoil(int address, bool on);
    void SetDiscrete(int address, bool on);
    std::uint16_t GetHolding(int address) const;
    bool GetCoil(int address) const;

    // Requests starting at the address are answered with "illegal data address", or not at all.
    void RefuseAt(int address) { m_nRefused = address; }
    void IgnoreAt(int address) { m_nIgnored = address; }
    // Closes the TCP client's connection, as a device that restarts.
    void DropClient() { m_bDrop = true; }
    // Requests answered so far.
    int GetAnswered() const { return m_nAnswered; }

private:
    void ServeTcp();
    void ServeRtu();
    // Answers one request read into the buffer; false when the peer went away.
    bool Answer(int fd);

    _modbus* m_pContext = nullptr;
    _modbus_mapping_t* m_pMapping = nullptr;
    mutable std::mutex m_mutex;
    std::string m_strEndpoint;
    int m_nListen = -1;
    int m_nMaster = -1;
    int m_nSlave = -1;
    std::atomic<int> m_nRefused{-1};
    std::atomic<int> m_nIgnored{-1};
    std::atomic<bool> m_bDrop{false};
    std::atomic<bool> m_bStop{false};
    std::atomic<int> m_nAnswered{0};
    std::thread m_server;
};

}  // namespace tavelo::test
