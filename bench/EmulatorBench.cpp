// Drawing the screens of an image just under the panel's 33792 bytes (the compiler benchmark's
// project: 42 screens of every element kind): the fullest screen alone and every screen in
// turn, each into a cleared frame, PLC values all 0. And one screen of 50 elements of every
// kind, with values that light most of them and trend graphs full of samples.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "FullScreenProject.h"
#include "NearLimitProject.h"
#include "compiler/ImageCompiler.h"
#include "emulator/LcdFrame.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/TrendHistory.h"
#include "model/FileBytes.h"
#include "plc/ProgramDirectory.h"
#include "render/FontLibrary.h"
#include "render/FreeTypeRasteriser.h"

namespace tavelo {
namespace {

class CNoValues : public IPolledValues {
public:
    std::int64_t Read(const CPollAddress&) const override { return 0; }
};

// Every address holds a different value below 1000, most of them non-zero, changing with time.
class CMixedValues : public IPolledValues {
public:
    std::int64_t m_nTime = 0;

    std::int64_t Read(const CPollAddress& address) const override {
        return (address.m_nAddress * 123 + m_nTime * 977 + 1) % 1000;
    }
};

CBuiltInDigits LoadDigits() {
    return CBuiltInDigits::FromAsciiFont(ReadFileBytes(GetProgramDirectory() / kAsciiFontFileName));
}

CPanelImage Compile(const CTaveloDoc& doc, const CAppState& appState) {
    CFreeTypeRasteriser rasteriser;
    CCompileOutcome outcome =
        CompileDownloadImage(doc, appState, GetProgramDirectory(), rasteriser);
    return CPanelImage::Load(outcome.m_image ? outcome.m_image->m_bytes
                                             : std::vector<std::uint8_t>{});
}

CPanelImage LoadNearLimitImage() {
    CTaveloDoc doc;
    CAppState appState;
    OpenNearLimitProject(doc, appState);
    return Compile(doc, appState);
}

void BM_RenderFullestScreen(benchmark::State& state) {
    const CPanelImage image = LoadNearLimitImage();
    if (!image.IsLoaded()) return state.SkipWithError(image.GetError().c_str());
    const auto& screens = image.GetContents().m_screens;
    const auto fullest = std::max_element(screens.begin(), screens.end(), [](auto& a, auto& b) {
        return a.m_elements.size() < b.m_elements.size();
    });
    const CScreenRenderer renderer(image, LoadDigits());
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
    const CScreenRenderer renderer(image, LoadDigits());
    CLcdFrame frame;
    for (auto _ : state)
        for (const CImageScreen& screen : image.GetContents().m_screens) {
            renderer.Render(screen.m_entry.Value("number"), CNoValues{}, frame);
            benchmark::DoNotOptimize(frame);
        }
    state.counters["screens"] = static_cast<double>(image.GetContents().m_screens.size());
}
BENCHMARK(BM_RenderEveryScreen)->Unit(benchmark::kMillisecond);

void BM_RenderFiftyElements(benchmark::State& state) {
    CTaveloDoc doc;
    FillFullScreen(doc);
    const CPanelImage image = Compile(doc, CAppState{});
    if (!image.IsLoaded()) return state.SkipWithError(image.GetError().c_str());
    CMixedValues values;
    CTrendHistory history(image);
    for (; values.m_nTime < 300; ++values.m_nTime)
        history.Sample(std::chrono::seconds(values.m_nTime), values);
    const CScreenRenderer renderer(image, LoadDigits());
    CLcdFrame frame;
    for (auto _ : state) {
        renderer.Render(1, values, frame, &history);
        benchmark::DoNotOptimize(frame);
    }
    state.counters["elements"] = static_cast<double>(image.FindScreen(1)->m_elements.size());
}
BENCHMARK(BM_RenderFiftyElements)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavelo
