// Throughput of the object archive: storing and loading lists of small tagged objects and
// strings, the shapes project and PLC type files are made of.

#include <benchmark/benchmark.h>

#include "model/Archive.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/PLC.h"

namespace tavelo {
namespace {

CPLC MakePlc(int units) {
    CPLC plc;
    plc.SetName(u"Modbus(RTU)");
    for (int i = 0; i < units; ++i) {
        CRegUnitConfig unit;
        unit.m_strName = u"4X";
        unit.m_nByteHigh = 65535;
        unit.m_nTypeNo = i;
        plc.GetUnits().push_back(unit);
    }
    return plc;
}

void BM_StorePlcTypes(benchmark::State& state) {
    const std::vector<CPLC> types(static_cast<std::size_t>(state.range(0)), MakePlc(8));
    std::size_t bytes = 0;
    for (auto _ : state) {
        CArchive ar("PlcTypes.DAT");
        ar.WriteObjectList(types);
        bytes = ar.GetBytes().size();
        benchmark::DoNotOptimize(ar.GetBytes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_StorePlcTypes)->Arg(20)->Arg(1000);

void BM_LoadPlcTypes(benchmark::State& state) {
    const std::vector<CPLC> types(static_cast<std::size_t>(state.range(0)), MakePlc(8));
    CArchive out("PlcTypes.DAT");
    out.WriteObjectList(types);
    const std::vector<std::uint8_t> bytes = out.GetBytes();
    CClassRegistry registry;
    RegisterModelClasses(registry);
    for (auto _ : state) {
        CArchive in(bytes, "PlcTypes.DAT", registry);
        const std::uint32_t count = in.ReadListCount(2);
        for (std::uint32_t i = 0; i < count; ++i)
            benchmark::DoNotOptimize(in.ReadObjectOf<CPLC>("a PLC type"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadPlcTypes)->Arg(20)->Arg(1000);

void BM_LoadStrings(benchmark::State& state) {
    std::vector<std::u16string> texts(static_cast<std::size_t>(state.range(0)),
                                      u"温度过高 报警 1234");
    CArchive out("x.ZORX");
    out.StringList(texts);
    const std::vector<std::uint8_t> bytes = out.GetBytes();
    CClassRegistry registry;
    for (auto _ : state) {
        CArchive in(bytes, "x.ZORX", registry);
        std::vector<std::u16string> read;
        in.StringList(read);
        benchmark::DoNotOptimize(read.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadStrings)->Arg(127)->Arg(100000);

}  // namespace
}  // namespace tavelo
