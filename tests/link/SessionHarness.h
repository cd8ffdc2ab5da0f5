#pragma once
// Drives a download session against a simulated panel (or none) on a fake clock: a reply is
// delivered as soon as it exists, otherwise the clock jumps to the end of the running wait.

#include <optional>
#include <vector>

#include "link/DownloadSession.h"
#include "link/SimulatedPanel.h"

namespace tavelo::test {

class CSessionHarness : public CSessionLink {
public:
    explicit CSessionHarness(CSimulatedPanel* panel = nullptr) : m_pPanel(panel) {}

    void SetRts(bool on) override {
        m_rts.push_back(on);
        m_rtsAt.push_back(m_nNow);
    }
    bool Send(std::span<const std::uint8_t> frame) override {
        m_sent.emplace_back(frame.begin(), frame.end());
        if (m_bRefuseWrites) return false;
        if (m_pPanel) {
            auto reply = m_pPanel->Receive(frame);
            if (!reply.empty()) m_pending.push_back(std::move(reply));
        }
        return true;
    }
    void StartWait(int milliseconds) override { m_nWaitEnd = m_nNow + milliseconds; }
    void ReportProgress(int position) override { m_progress.push_back(position); }
    void ReportResult(const CDownloadResult& result) override {
        m_result = result;
        m_nResultAt = m_nNow;
    }

    void Elapse(CDownloadSession& session, int waits = 1) {
        for (int i = 0; i < waits; ++i) {
            m_nNow = m_nWaitEnd;
            session.OnWaitElapsed();
        }
    }
    // Runs until the result; cancels once cancelAfterSends frames have gone out.
    void Run(CDownloadSession& session, std::size_t cancelAfterSends = SIZE_MAX) {
        session.Start();
        for (int step = 0; !m_result && step < 1'000'000; ++step) {
            if (m_sent.size() >= cancelAfterSends) {
                session.Cancel();
                cancelAfterSends = SIZE_MAX;
            } else if (!m_pending.empty()) {
                const auto reply = m_pending.front();
                m_pending.erase(m_pending.begin());
                session.OnBytes(reply);
            } else {
                Elapse(session);
            }
        }
    }
    void Deliver(CDownloadSession& session, const CFrame& reply) {
        session.OnBytes(EncodeFrame(reply));
    }

    CSimulatedPanel* m_pPanel;
    bool m_bRefuseWrites = false;
    long m_nNow = 0;  // milliseconds on the fake clock
    long m_nWaitEnd = 0;
    long m_nResultAt = -1;
    std::vector<std::vector<std::uint8_t>> m_sent;
    std::vector<std::vector<std::uint8_t>> m_pending;
    std::vector<bool> m_rts;
    std::vector<long> m_rtsAt;
    std::vector<int> m_progress;
    std::optional<CDownloadResult> m_result;
};

// Whole blocks of distinct bytes, so a misplaced block shows.
inline std::vector<std::uint8_t> PatternBlocks(int blocks, int seed) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(blocks) * kBlockSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251 + static_cast<std::size_t>(seed));
    return bytes;
}

inline CDownloadData SampleData(int imageBlocks, int driverBlocks, std::uint8_t driverId = 7,
                                std::int32_t model = 0) {
    return {PatternBlocks(imageBlocks, 1), PatternBlocks(driverBlocks, 2), driverId, model};
}

}  // namespace tavelo::test
