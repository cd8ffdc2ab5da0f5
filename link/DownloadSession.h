#pragma once
// The PC side of the panel's download protocol as a pure state machine: replies, elapsed
// waits and cancel go in; RTS changes, frames, waits, progress and the result go out through
// CSessionLink. It holds no clock, so tests drive whole sessions instantly.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Frame.h"
#include "FrameAssembler.h"

namespace tavelo {

struct CDownloadResult {
    bool m_bSucceeded = false;
    std::u16string m_strMessage;
};

// What the session drives: the line, one timer and the dialog.
class CSessionLink {
public:
    virtual ~CSessionLink() = default;
    virtual void SetRts(bool on) = 0;
    // False when the write kept failing.
    virtual bool Send(std::span<const std::uint8_t> frame) = 0;
    // Starts the one wait, replacing a running one; its end comes back as OnWaitElapsed.
    virtual void StartWait(int milliseconds) = 0;
    virtual void ReportProgress(int position) = 0;
    virtual void ReportResult(const CDownloadResult& result) = 0;
};

// What is downloaded: the padded image and driver, both whole 128-byte blocks.
struct CDownloadData {
    std::vector<std::uint8_t> m_image;
    std::vector<std::uint8_t> m_driver;
    std::uint8_t m_nDriverId = 0;
    std::int32_t m_nModelIndex = 0;
};

class CDownloadSession {
public:
    enum class EState {
        kStart = 1,
        kWriteImage,
        kWriteDriver,
        kReadImage,
        kReadDriver,
        kFinish,
        kDone
    };

    static constexpr int kRtsPulseMs = 400;
    static constexpr int kBeforeStartMs = 500;
    static constexpr int kReplyTimeoutMs = 600;
    static constexpr int kMaxAttempts = 10;
    static constexpr int kMaxRetries = 4;  // resends after the first send
    static constexpr int kWrongModelLimit = 4;
    static constexpr int kCancelledAttempts = 110;

    CDownloadSession(CDownloadData data, CSessionLink& link);

    void Start();
    void OnBytes(std::span<const std::uint8_t> bytes);
    void OnWaitElapsed();
    void Cancel();

    bool IsDone() const { return m_phase == EPhase::kDone; }
    EState GetState() const { return m_state; }
    int GetAttemptCount() const { return m_nAttempts; }
    int GetTotalBlocks() const { return m_nTotalBlocks; }
    int GetImageBlocks() const { return static_cast<int>(m_data.m_image.size() / kBlockSize); }
    int GetDriverBlocks() const { return static_cast<int>(m_data.m_driver.size() / kBlockSize); }

private:
    enum class EPhase {
        kIdle,
        kRtsOn,
        kRtsOff,
        kBeforeStart,
        kAwaitReply,
        kClosingOn,
        kClosingOff,
        kDone
    };

    void BeginAttempt();
    void SendAndAwait();
    void HandleFrame(std::span<const std::uint8_t> bytes);
    bool AnswersRequest(const CFrame& reply) const;
    void Advance(const CFrame& reply);
    void AdvanceBlock(EState imageState, EState driverState, EState nextPhase);
    void CountGoodReply();
    void HandleMissingReply();
    void FailAttempt();
    void EndSession();
    void ReportOutcome();
    CFrame BuildRequest() const;
    std::span<const std::uint8_t> CurrentBlock() const;

    CDownloadData m_data;
    CSessionLink& m_link;
    CFrameAssembler m_assembler;
    EPhase m_phase = EPhase::kIdle;
    EState m_state = EState::kStart;
    int m_nTotalBlocks = 0;
    int m_nBlockIndex = 0;
    int m_nBlockCounter = 0;
    int m_nAttempts = 0;
    int m_nRetries = 0;
    int m_nWrongModel = 0;
    int m_nGoodReplies = 0;
    int m_nGoodRepliesMax = -1;
    int m_nProgress = -1;
    bool m_bStopped = false;  // cancel or wrong model: no further attempt
};

}  // namespace tavelo
