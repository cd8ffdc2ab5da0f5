#include "ModbusPoller.h"

#include <algorithm>
#include <optional>

#include "ModbusConnection.h"

namespace tavelo {

namespace {

std::string Fault(const CPollAddress& address, const std::string& what) {
    return DescribeModbusAddress(address) + ": " + what;
}

}  // namespace

CModbusPoller::CModbusPoller(CModbusPollSettings settings, CPlcAddressList addresses)
    : m_settings(std::move(settings)),
      m_addresses(std::move(addresses)),
      m_worker([this](const std::stop_token& stop) { Run(stop); }) {}

CModbusPoller::~CModbusPoller() {
    m_worker.request_stop();
    m_wake.notify_all();
}

void CModbusPoller::SetPolled(std::vector<CPollAddress> addresses) {
    const std::scoped_lock lock(m_mutex);
    m_polled = std::move(addresses);
}

std::int64_t CModbusPoller::Read(const CPollAddress& address) const {
    const std::scoped_lock lock(m_mutex);
    const auto found = m_values.find(address);
    return found == m_values.end() ? 0 : found->second;
}

void CModbusPoller::Write(const CPollAddress& address, std::int64_t value) {
    {
        const std::scoped_lock lock(m_mutex);
        m_values[address] = value;
        m_writes.push_back({address, value});
    }
    m_wake.notify_all();
}

bool CModbusPoller::WaitForCycle(std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    const std::uint64_t target = m_nCyclesBegun + 1;
    m_bCycleWanted = true;
    m_wake.notify_all();
    return m_cycleEnded.wait_for(lock, limit, [&] { return m_nCycles >= target; });
}

std::string CModbusPoller::GetStatus() const {
    const std::scoped_lock lock(m_mutex);
    return m_strStatus;
}

std::uint64_t CModbusPoller::GetCycles() const {
    const std::scoped_lock lock(m_mutex);
    return m_nCycles;
}

void CModbusPoller::Run(const std::stop_token& stop) {
    std::optional<CModbusConnection> connection;
    std::string failure;
    try {
        connection.emplace(m_settings.m_endpoint, m_settings.m_timeout);
    } catch (const CModbusError& error) {
        failure = error.what();
    }
    while (!stop.stop_requested()) {
        BeginCycle();
        if (connection)
            RunCycle(*connection);
        else
            EndCycle({failure});  // every cycle says so, so no waiter is left waiting
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, stop, m_settings.m_interval,
                        [&] { return m_bCycleWanted || !m_writes.empty(); });
    }
}

void CModbusPoller::BeginCycle() {
    const std::scoped_lock lock(m_mutex);
    ++m_nCyclesBegun;
    m_bCycleWanted = false;
}

void CModbusPoller::RunCycle(CModbusConnection& connection) {
    std::vector<std::string> faults;
    try {
        connection.Connect();
    } catch (const CModbusError& error) {
        faults.push_back(m_settings.m_endpoint.Describe() + ": " + error.what());
    }
    if (connection.IsConnected()) SendWrites(connection);
    if (connection.IsConnected()) ReadPolled(connection, faults);
    EndCycle(faults);
}

void CModbusPoller::SendWrites(CModbusConnection& connection) {
    for (;;) {
        CWrite write;
        {
            const std::scoped_lock lock(m_mutex);
            if (m_writes.empty()) return;
            write = m_writes.front();
            m_writes.pop_front();
        }
        const std::optional<CModbusSpan> span =
            MapToModbus(write.m_address, m_addresses.ByteCountOf(write.m_address));
        if (!span) {
            m_strWriteFault = Fault(write.m_address, "no Modbus address");
            continue;
        }
        try {
            connection.Write(*span, write.m_nValue);
            m_strWriteFault.clear();
        } catch (const CModbusError& error) {
            m_strWriteFault = Fault(write.m_address, error.what());
            if (error.IsDeviceException()) continue;
            connection.Close();
            return;
        }
    }
}

void CModbusPoller::ReadPolled(CModbusConnection& connection, std::vector<std::string>& faults) {
    std::vector<CPollAddress> polled;
    {
        const std::scoped_lock lock(m_mutex);
        polled = m_polled;
    }
    for (const CPollAddress& address : polled) {
        const std::optional<CModbusSpan> span =
            MapToModbus(address, m_addresses.ByteCountOf(address));
        if (!span) {
            faults.push_back(Fault(address, "no Modbus address"));
            continue;
        }
        try {
            const std::int64_t value = connection.Read(*span);
            const std::scoped_lock lock(m_mutex);
            // A write made meanwhile wins until it has been sent and read back.
            const bool pending = std::any_of(m_writes.begin(), m_writes.end(),
                                             [&](const CWrite& w) { return w.m_address == address; });
            if (!pending) m_values[address] = value;
        } catch (const CModbusError& error) {
            faults.push_back(Fault(address, error.what()));
            if (error.IsDeviceException()) continue;
            connection.Close();
            return;
        }
    }
}

void CModbusPoller::EndCycle(const std::vector<std::string>& faults) {
    std::string status = m_strWriteFault;
    for (const std::string& fault : faults) status += (status.empty() ? "" : "\n") + fault;
    {
        const std::scoped_lock lock(m_mutex);
        m_strStatus = std::move(status);
        ++m_nCycles;
    }
    m_cycleEnded.notify_all();
}

}  // namespace tavelo
