// A maximal download (33,792-byte image and a driver) over a pseudo-terminal to a paced
// tavelo-panel, against the time the 9600 baud line itself needs for the same bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "link/DownloadSession.h"
#include "link/PlcDriver.h"
#include "link/qt/Download.h"
#include "model/FileBytes.h"
#include "tests/support/PanelProcess.h"
#include "tests/support/TempDir.h"

namespace {

using namespace tavelo;

constexpr std::size_t kImageBytes = 33792;
constexpr std::size_t kDriverFileBytes = 4000;  // 8 units of 512 behind the prefix byte

// Seconds the line needs for every frame of a clean session both ways, 10 bits a byte.
double LineSeconds(std::size_t blocks) {
    const std::size_t startBytes = 12 + 10, finishBytes = 9 + 9;
    const std::size_t writeBytes = (kBlockSize + 9) + 10, readBytes = 9 + (kBlockSize + 9);
    const std::size_t total = startBytes + blocks * (writeBytes + readBytes) + finishBytes;
    return static_cast<double>(total) * 10.0 / 9600.0;
}

void BM_MaximalDownloadToPacedPanel(benchmark::State& state) {
    test::CTempDir program, drivers;
    WriteFileAtomically(program / kDriverIndexFileName, std::vector<std::uint8_t>{'4', '2'});
    WriteFileAtomically(drivers / "drv_a4b2.dat",
                        std::vector<std::uint8_t>(kDriverFileBytes, 0x6B));
    setenv("TAVELO_DATA_DIR", program.Path().c_str(), 1);
    setenv("TAVELO_BIN_DIR", std::filesystem::path(TAVELO_PANEL_PROGRAM).parent_path().c_str(), 1);
    const std::size_t blocks = kImageBytes / kBlockSize + 4 * 8;
    for (auto _ : state) {
        test::CPanelProcess panel({"--pace"});
        CDownloadRequest request;
        request.m_image.assign(kImageBytes, 0x3A);
        request.m_nBlockCount = kImageBytes / kBlockSize;
        request.m_strPort = panel.GetDevice();
        request.m_driversFolder = drivers.Path();
        const auto begin = std::chrono::steady_clock::now();
        const CDownloadReport report = RunDownload(request);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        if (!report.m_bSucceeded) state.SkipWithError("the download failed");
        state.SetIterationTime(took.count());
        state.counters["line_s"] = LineSeconds(blocks);
        // The wake-up pulse, the pause before the start frame and the closing pulse.
        state.counters["fixed_waits_s"] =
            (3.0 * CDownloadSession::kRtsPulseMs + CDownloadSession::kBeforeStartMs) / 1000.0;
        state.counters["ratio_to_line"] = took.count() / LineSeconds(blocks);
    }
    unsetenv("TAVELO_DATA_DIR");
}
BENCHMARK(BM_MaximalDownloadToPacedPanel)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
