#pragma once
// A live PLC over Modbus for the emulator: a worker thread polls the addresses of the shown
// screen at an interval and sends the panel's writes in the order made, while Read and Write
// only touch a cache and a queue, so whoever drives the panel is never held up by the line.
// A link failure closes the connection, which the next cycle opens again.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ModbusEndpoint.h"
#include "emulator/PlcAddressList.h"
#include "emulator/PlcMemory.h"

namespace tavelo {

class CModbusConnection;

struct CModbusPollSettings {
    CModbusEndpoint m_endpoint;
    std::chrono::milliseconds m_interval{200};
    // How long one request waits for its answer.
    std::chrono::milliseconds m_timeout{500};
};

class CModbusPoller : public IPlcMemory {
public:
    // Starts the worker; addresses keeps the byte counts the image gives each address.
    CModbusPoller(CModbusPollSettings settings, CPlcAddressList addresses);
    // Stops the worker; at most one request's timeout later.
    ~CModbusPoller() override;
    CModbusPoller(const CModbusPoller&) = delete;
    CModbusPoller& operator=(const CModbusPoller&) = delete;

    // The addresses each cycle reads from now on.
    void SetPolled(std::vector<CPollAddress> addresses);
    // The value last read or written; 0 before the first read.
    std::int64_t Read(const CPollAddress& address) const override;
    // Kept at once for Read, sent by the worker before its next reads.
    void Write(const CPollAddress& address, std::int64_t value) override;

    // Waits until a cycle begun after the call has ended, so its reads and the writes made
    // before the call are done; false when the worker did not get there within the limit.
    bool WaitForCycle(std::chrono::milliseconds limit);
    // The faults of the last cycle, one a line, each naming the address ("station 1 4X7:
    // read failed: Connection timed out"), and the last failed write until a write succeeds;
    // empty when all went well.
    std::string GetStatus() const;
    // Cycles ended so far.
    std::uint64_t GetCycles() const;

private:
    struct CWrite {
        CPollAddress m_address;
        std::int64_t m_nValue = 0;
    };

    void Run(const std::stop_token& stop);
    void BeginCycle();
    // One cycle: connect if need be, send the queued writes, read the polled addresses.
    void RunCycle(CModbusConnection& connection);
    // A link failure (not a device's exception) closes the connection.
    void SendWrites(CModbusConnection& connection);
    void ReadPolled(CModbusConnection& connection, std::vector<std::string>& faults);
    void EndCycle(const std::vector<std::string>& faults);

    const CModbusPollSettings m_settings;
    const CPlcAddressList m_addresses;

    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::condition_variable m_cycleEnded;
    std::vector<CPollAddress> m_polled;
    std::deque<CWrite> m_writes;
    std::map<CPollAddress, std::int64_t> m_values;
    std::string m_strStatus;
    std::string m_strWriteFault;  // the worker's own
    std::uint64_t m_nCycles = 0;
    std::uint64_t m_nCyclesBegun = 0;
    bool m_bCycleWanted = false;
    // Declared last: it stops and joins before the members it uses go.
    std::jthread m_worker;
};

}  // namespace tavelo
