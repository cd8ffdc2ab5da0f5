// Saving and opening a project of 1,000 screens with 20 elements each, every element kind
// present, in memory: the cost of the element bodies, the static bitmaps' text-encoded pixels
// and reading every kind back by class name.

#include <benchmark/benchmark.h>

#include "elements/BitmapImport.h"
#include "elements/DynamicBitmap.h"
#include "elements/DynamicText.h"
#include "elements/ElementClasses.h"
#include "elements/FunctionKey.h"
#include "elements/Indicator.h"
#include "elements/Register.h"
#include "elements/StaticBitmap.h"
#include "elements/StaticText.h"
#include "elements/TrendBar.h"
#include "model/AppState.h"
#include "model/ClassRegistry.h"
#include "model/ModelClasses.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"

namespace tavelo {
namespace {

constexpr int kScreens = 1000;
constexpr int kElementsPerScreen = 20;

// A 64 x 32 picture of a checkerboard in 1-bit BMP form.
std::vector<std::uint8_t> CheckerboardBmp() {
    constexpr std::uint32_t kWidth = 64, kHeight = 32, kStride = 8;
    std::vector<std::uint8_t> file = {'B', 'M'};
    auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(62 + kStride * kHeight, 4);
    put(0, 4);
    put(62, 4);
    for (std::uint32_t field : {40u, kWidth, kHeight}) put(field, 4);
    put(1, 2);
    put(1, 2);
    for (std::uint32_t field : {0u, kStride * kHeight, 2835u, 2835u, 2u, 0u}) put(field, 4);
    put(0x000000, 4);
    put(0xFFFFFF, 4);
    for (std::uint32_t y = 0; y < kHeight; ++y)
        for (std::uint32_t x = 0; x < kStride; ++x) file.push_back((x + y / 4) % 2 ? 0xF0 : 0x0F);
    return file;
}

std::unique_ptr<CGraphObj> MakeElement(int slot, const CPanelBitmap& picture) {
    const CRect at{slot * 20, slot % 4 * 30, 0, 0};
    switch (slot % kElementsPerScreen) {
        case 0:
        case 1:
        case 2:
        case 3:
            return std::make_unique<CStaticText>(at);
        case 4:
        case 5:
            return std::make_unique<CDynamicText>(at);
        case 6:
        case 7:
        case 8:
        case 9:
            return std::make_unique<CRegister>(at);
        case 10:
        case 11:
        case 12:
            return std::make_unique<CIndicator>(at);
        case 13:
        case 14:
        case 15:
            return std::make_unique<CFunctionKey>(at);
        case 16:
            return std::make_unique<CTrendBar>(CTrendBar::kBarGraph, at);
        case 17:
            return std::make_unique<CTrendBar>(CTrendBar::kTrendGraph, at);
        case 18:
            return std::make_unique<CStaticBitmap>(picture, u"C:\\图片\\checkerboard.bmp");
        default:
            return std::make_unique<CDynamicBitmap>(at);
    }
}

void FillProject(CTaveloDoc& doc) {
    MakeNewProject(doc);
    for (int n = 2; n <= kScreens; ++n) doc.AddScreen(MakeNewScreen(n, u"画面 温度与压力"));
    const CPanelBitmap picture = *CBitmapImport::FromBytes(CheckerboardBmp()).m_bitmap;
    for (int screen = 1; screen <= kScreens; ++screen)
        for (int slot = 0; slot < kElementsPerScreen; ++slot) {
            std::unique_ptr<CGraphObj> element = MakeElement(slot, picture);
            element->m_nScreenNo = screen;
            doc.AddElement(std::move(element));
        }
}

void BM_SaveElementProject(benchmark::State& state) {
    CTaveloDoc doc;
    CAppState appState;
    FillProject(doc);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = CProjectFile::Write(doc, appState, "p.ZORX").size();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["fileBytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveElementProject)->Unit(benchmark::kMillisecond);

void BM_OpenElementProject(benchmark::State& state) {
    CTaveloDoc doc;
    CAppState appState;
    FillProject(doc);
    const std::vector<std::uint8_t> bytes = CProjectFile::Write(doc, appState, "p.ZORX");
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    for (auto _ : state) {
        CTaveloDoc opened;
        CProjectFile::Read(bytes, "p.ZORX", registry, opened, appState);
        benchmark::DoNotOptimize(opened.GetElements().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_OpenElementProject)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavelo
