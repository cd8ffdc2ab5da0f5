// Drawing the screens of an image just under the panel's 33792 bytes (the compiler benchmark's
// project: 42 screens of every element kind): the fullest screen alone and every screen in
// turn, each into a cleared frame, PLC values all 0.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "NearLimitProject.h"
#include "compiler/ImageCompiler.h"
#include "emulator/LcdFrame.h"
#include "emulator/ScreenRenderer.h"
#include "plc/ProgramDirectory.h"
#include "render/FreeTypeRasteriser.h"

namespace tavelo {
namespace {

class CNoValues : public IPolledValues {
public:
    std::int64_t Read(const CPollAddress&) const override { return 0; }
};

CPanelImage LoadNearLimitImage() {
    CTaveloDoc doc;
    CAppState appState;
    OpenNearLimitProject(doc, appState);
    CFreeTypeRasteriser rasteriser;
    CCompileOutcome outcome =
        CompileDownloadImage(doc, appState, GetProgramDirectory(), rasteriser);
    return CPanelImage::Load(outcome.m_image ? outcome.m_image->m_bytes
                                             : std::vector<std::uint8_t>{});
}

void BM_RenderFullestScreen(benchmark::State& state) {
    const CPanelImage image = LoadNearLimitImage();
    if (!image.IsLoaded()) return state.SkipWithError(image.GetError().c_str());
    const auto& screens = image.GetContents().m_screens;
    const auto fullest = std::max_element(screens.begin(), screens.end(), [](auto& a, auto& b) {
        return a.m_elements.size() < b.m_elements.size();
    });
    const CScreenRenderer renderer(image);
    CLcdFrame frame;
    for (auto _ : state) {
        renderer.Render(fullest->m_entry.Value("number"), CNoValues{}, frame);
        benchmark::DoNotOptimize(frame);
    }
    state.counters["elements"] = static_cast<double>(fullest->m_elements.size());
}
BENCHMARK(BM_RenderFullestScreen)->Unit(benchmark::kMicrosecond);

void BM_RenderEveryScreen(benchmark::State& state) {
    const CPanelImage image = LoadNearLimitImage();
    if (!image.IsLoaded()) return state.SkipWithError(image.GetError().c_str());
    const CScreenRenderer renderer(image);
    CLcdFrame frame;
    for (auto _ : state)
        for (const CImageScreen& screen : image.GetContents().m_screens) {
            renderer.Render(screen.m_entry.Value("number"), CNoValues{}, frame);
            benchmark::DoNotOptimize(frame);
        }
    state.counters["screens"] = static_cast<double>(image.GetContents().m_screens.size());
}
BENCHMARK(BM_RenderEveryScreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavelo
