// How many poll cycles a second the Modbus poller gets through against the loopback test
// server and the RTU peer on a pseudo-terminal, for a screen of 1 and of 10 registers.

#include <benchmark/benchmark.h>

#include "modbus/ModbusAddress.h"
#include "modbus/ModbusPoller.h"
#include "support/ModbusTestPeer.h"

namespace tavelo {
namespace {

using test::CModbusTestPeer;

void PollCycles(benchmark::State& state, CModbusTestPeer::EKind kind) {
    CModbusTestPeer peer(kind);
    CModbusPollSettings settings;
    settings.m_endpoint = CModbusEndpoint::Parse(peer.GetEndpoint());
    settings.m_interval = std::chrono::milliseconds{0};  // back to back: the line's own rate
    CModbusPoller poller(settings, {});
    std::vector<CPollAddress> polled;
    for (std::int64_t i = 1; i <= state.range(0); ++i)
        polled.push_back({CModbusTestPeer::kRtuStation, kUnitHoldingRegister, i});
    poller.SetPolled(polled);
    poller.WaitForCycle(std::chrono::seconds{5});
    const std::uint64_t first = poller.GetCycles();
    for (auto _ : state) poller.WaitForCycle(std::chrono::seconds{5});
    const double cycles = static_cast<double>(poller.GetCycles() - first);
    state.counters["cycles/s"] = benchmark::Counter(cycles, benchmark::Counter::kIsRate);
    state.counters["reads/s"] =
        benchmark::Counter(cycles * static_cast<double>(state.range(0)), benchmark::Counter::kIsRate);
    if (!poller.GetStatus().empty()) state.SkipWithError(poller.GetStatus().c_str());
}

void BM_ModbusPollTcp(benchmark::State& state) { PollCycles(state, CModbusTestPeer::EKind::Tcp); }
void BM_ModbusPollRtuPty(benchmark::State& state) { PollCycles(state, CModbusTestPeer::EKind::Rtu); }

BENCHMARK(BM_ModbusPollTcp)->Arg(1)->Arg(10)->UseRealTime();
BENCHMARK(BM_ModbusPollRtuPty)->Arg(1)->Arg(10)->UseRealTime();

}  // namespace
}  // namespace tavelo
