// Saving and opening a large project in memory: 500 screens, 4000 elements with PLC
// addresses and 127 alarm texts, about the most a panel's 33 KB image can carry.

#include <benchmark/benchmark.h>

#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/RegisterUnit.h"
#include "model/TaveloDoc.h"

namespace tavelo {
namespace {

// Stands in for an element kind: the base fields and a PLC address.
class CBenchElement : public CGraphObj {
public:
    std::string GetClassName() const override { return "CRegister"; }
    void Serialize(CArchive& ar) override {
        SerializeBase(ar);
        m_address.Serialize(ar);
    }
    CRegisterUnit m_address;
};

void FillLargeProject(CTaveloDoc& doc) {
    MakeNewProject(doc);
    for (int n = 2; n <= 500; ++n) doc.AddScreen(MakeNewScreen(n, u"画面 温度与压力"));
    for (int i = 0; i < 4000; ++i) {
        auto element = std::make_unique<CBenchElement>();
        element->m_nScreenNo = 1 + i % 500;
        element->m_address.m_nAddress = i;
        doc.AddElement(std::move(element));
    }
    doc.GetAlarms().m_texts.assign(127, u"电机 3 过热 Motor hot");
}

void BM_SaveProject(benchmark::State& state) {
    CTaveloDoc doc;
    CAppState appState;
    FillLargeProject(doc);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = CProjectFile::Write(doc, appState, "p.ZORX").size();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state) {
    CTaveloDoc doc;
    CAppState appState;
    FillLargeProject(doc);
    const std::vector<std::uint8_t> bytes = CProjectFile::Write(doc, appState, "p.ZORX");
    CClassRegistry registry;
    RegisterModelClasses(registry);
    registry.Register<CBenchElement>("CRegister");
    for (auto _ : state) {
        CTaveloDoc opened;
        CProjectFile::Read(bytes, "p.ZORX", registry, opened, appState);
        benchmark::DoNotOptimize(opened.GetElements().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavelo
