// Compiling a project whose image is just under the panel's 33792 bytes: 42 screens of every
// element kind, 420 Chinese characters and 168 vector glyphs, with the delivered fonts beside
// the program and FreeType for the vector glyphs. Reports the image length and the process's
// peak resident memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "NearLimitProject.h"
#include "compiler/ImageCompiler.h"
#include "plc/ProgramDirectory.h"
#include "render/FreeTypeRasteriser.h"

namespace tavelo {
namespace {

double PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

void BM_CompileNearLimitProject(benchmark::State& state) {
    CTaveloDoc doc;
    CAppState appState;
    OpenNearLimitProject(doc, appState);
    CFreeTypeRasteriser rasteriser;
    const auto dataDirectory = GetProgramDirectory();
    std::size_t length = 0;
    for (auto _ : state) {
        CCompileOutcome outcome = CompileDownloadImage(doc, appState, dataDirectory, rasteriser);
        if (!outcome.Succeeded()) {
            state.SkipWithError(outcome.m_strReason.c_str());
            return;
        }
        length = outcome.m_image->GetLength();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["imageBytes"] = static_cast<double>(length);
    state.counters["peakKiB"] = PeakResidentKiB();
}
BENCHMARK(BM_CompileNearLimitProject)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavelo
