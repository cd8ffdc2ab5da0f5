// Runs whole download sessions against a panel whose replies the fuzzer writes: its bytes pick
// the panel model, the image and driver sizes, and then event by event a fitting reply, a reply
// of its own (command, block, payload), a reply to nothing, a time-out or a cancel. Replies are
// framed with a sound CRC except at a rate the input chooses, so sessions get past the frame
// check to the writes, the read-back and the finish. Every request must be a sound frame of
// the session's model carrying its own data, the progress must stay within its bar, and a success
// must have written and read back every image block.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "link/DownloadSession.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::size_t, 4> kImageBlocks = {4, 8, 13, 264};
constexpr std::array<std::size_t, 4> kDriverBlocks = {0, 4, 8, 32};
constexpr std::array<std::uint8_t, 6> kReplyCommands = {
    tavelo::kReplyRestart,    tavelo::kReplyStarted,     tavelo::kReplyWritten,
    tavelo::kReplyImageBlock, tavelo::kReplyDriverBlock, tavelo::kReplyFinished};

void Require(bool condition) {
    if (!condition) std::abort();
}

// Distinct bytes per block, so a block read back from the wrong place never passes.
Bytes Pattern(std::size_t blocks, std::uint8_t seed) {
    Bytes bytes(blocks * tavelo::kBlockSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i / tavelo::kBlockSize * 7 + i);
    return bytes;
}

// The session's side of the line: checks each request and keeps what the panel was asked.
class CCheckingLink : public tavelo::CSessionLink {
public:
    CCheckingLink(const tavelo::CDownloadData& data) : m_data(data) {}

    void SetRts(bool) override {}
    bool Send(std::span<const std::uint8_t> bytes) override {
        Require(!m_bReported);
        tavelo::CFrame request;
        Require(tavelo::DecodeFrame(bytes, tavelo::StartByteOfModel(m_data.m_nModelIndex),
                                    request) == tavelo::EFrameFault::kNone);
        Record(request);
        m_request = request;
        return m_bLineWorks;
    }
    void StartWait(int milliseconds) override {
        Require(milliseconds > 0);
        m_nWait = milliseconds;
    }
    void ReportProgress(int position) override {
        // A later start reply may name another driver and so lengthen the transfer.
        Require(position != m_nProgress && position >= 0 && position <= 100);
        m_nProgress = position;
    }
    void ReportResult(const tavelo::CDownloadResult& result) override {
        Require(!m_bReported && !result.m_strMessage.empty());
        m_bReported = true;
        if (result.m_bSucceeded)
            Require(m_request.m_nCommand == tavelo::kCmdFinish &&
                    m_written.size() == m_data.m_image.size() / tavelo::kBlockSize &&
                    m_readBack.size() == m_written.size());
    }

    const tavelo::CFrame& Request() const { return m_request; }
    // Whether the running wait is for a reply, not a pause of the session's own.
    bool AwaitsReply() const { return m_nWait == tavelo::CDownloadSession::kReplyTimeoutMs; }
    bool Reported() const { return m_bReported; }
    void SetLineWorks(bool works) { m_bLineWorks = works; }

private:
    void Record(const tavelo::CFrame& request) {
        const std::size_t offset = std::size_t{request.m_nBlockIndex} * tavelo::kBlockSize;
        switch (request.m_nCommand) {
            case tavelo::kCmdStart:
                Require(request.m_payload.size() == 3 &&
                        request.m_payload[0] == m_data.m_nDriverId);
                m_written.clear();
                m_readBack.clear();
                break;
            case tavelo::kCmdWriteImage:
            case tavelo::kCmdWriteDriver: {
                const Bytes& source =
                    request.m_nCommand == tavelo::kCmdWriteImage ? m_data.m_image : m_data.m_driver;
                Require(
                    offset + tavelo::kBlockSize <= source.size() &&
                    std::equal(request.m_payload.begin(), request.m_payload.end(),
                               source.begin() + static_cast<long>(offset),
                               source.begin() + static_cast<long>(offset + tavelo::kBlockSize)));
                if (request.m_nCommand == tavelo::kCmdWriteImage)
                    m_written.insert(request.m_nBlockIndex);
                break;
            }
            case tavelo::kCmdRead:
                Require(request.m_payload.empty());
                if (request.m_nSubCommand == tavelo::kSubImage)
                    m_readBack.insert(request.m_nBlockIndex);
                break;
            case tavelo::kCmdFinish:
                break;
            default:
                Require(false);
        }
    }

    const tavelo::CDownloadData& m_data;
    tavelo::CFrame m_request;
    std::set<std::uint16_t> m_written;
    std::set<std::uint16_t> m_readBack;
    int m_nWait = 0;
    int m_nProgress = -1;
    bool m_bReported = false;
    bool m_bLineWorks = true;
};

// The panel as the fuzzer plays it.
class CFuzzedPanel {
public:
    CFuzzedPanel(FuzzedDataProvider& input, const tavelo::CDownloadData& data)
        : m_input(input),
          m_data(data),
          m_nDriverId(input.ConsumeBool() ? data.m_nDriverId
                                          : input.ConsumeIntegral<std::uint8_t>()),
          m_nBadCrcRate(input.ConsumeIntegral<std::uint8_t>()) {}

    // What the panel answers to the request, as its firmware would.
    tavelo::CFrame FittingReply(const tavelo::CFrame& request) const {
        tavelo::CFrame reply;
        reply.m_nSubCommand = request.m_nSubCommand;
        reply.m_nBlockIndex = request.m_nBlockIndex;
        switch (request.m_nCommand) {
            case tavelo::kCmdStart:
                reply.m_nCommand = tavelo::kReplyStarted;
                reply.m_payload = {m_nDriverId};
                break;
            case tavelo::kCmdRead: {
                const bool driver = request.m_nSubCommand == tavelo::kSubDriver;
                const Bytes& source = driver ? m_data.m_driver : m_data.m_image;
                const std::size_t offset = std::size_t{request.m_nBlockIndex} * tavelo::kBlockSize;
                reply.m_nCommand = driver ? tavelo::kReplyDriverBlock : tavelo::kReplyImageBlock;
                reply.m_payload.assign(
                    source.begin() + static_cast<long>(offset),
                    source.begin() + static_cast<long>(offset + tavelo::kBlockSize));
                break;
            }
            case tavelo::kCmdFinish:
                reply.m_nCommand = tavelo::kReplyFinished;
                break;
            default:
                reply.m_nCommand = tavelo::kReplyWritten;
                reply.m_payload = {0x00};
                break;
        }
        return reply;
    }

    // A reply whose command, block and payload the input picks, each near a fitting one.
    tavelo::CFrame ChosenReply(const tavelo::CFrame& request) {
        tavelo::CFrame reply = FittingReply(request);
        reply.m_nCommand = m_input.ConsumeBool() ? m_input.PickValueInArray(kReplyCommands)
                                                 : m_input.ConsumeIntegral<std::uint8_t>();
        if (m_input.ConsumeBool()) reply.m_nBlockIndex = m_input.ConsumeIntegral<std::uint16_t>();
        switch (m_input.ConsumeIntegralInRange(0, 2)) {
            case 0:  // one byte of the fitting payload changed
                if (!reply.m_payload.empty())
                    reply.m_payload[m_input.ConsumeIntegralInRange<std::size_t>(
                        0, reply.m_payload.size() - 1)] = m_input.ConsumeIntegral<std::uint8_t>();
                break;
            case 1:
                reply.m_payload = m_input.ConsumeBytes<std::uint8_t>(
                    m_input.ConsumeIntegralInRange<std::size_t>(0, tavelo::kBlockSize));
                break;
            default:
                break;
        }
        return reply;
    }

    // The reply as the line carries it: usually sound, at the chosen rate with a broken CRC,
    // now and then with the other model's start byte.
    Bytes Frame(tavelo::CFrame reply) {
        const std::uint8_t ours = tavelo::StartByteOfModel(m_data.m_nModelIndex);
        reply.m_nStart = m_input.ConsumeIntegral<std::uint8_t>() >= 0xF0
                             ? ours ^ (tavelo::kStartByteZorA ^ tavelo::kStartByteZorB)
                             : ours;
        Bytes bytes = tavelo::EncodeFrame(reply);
        if (m_input.ConsumeIntegral<std::uint8_t>() < m_nBadCrcRate)
            bytes[bytes.size() - 2] ^= 0x5A;
        return bytes;
    }

private:
    FuzzedDataProvider& m_input;
    const tavelo::CDownloadData& m_data;
    std::uint8_t m_nDriverId;
    std::uint8_t m_nBadCrcRate;
};

// Bytes arrive whole or in up to four pieces, as a serial line delivers them.
void Deliver(FuzzedDataProvider& input, tavelo::CDownloadSession& session,
             std::span<const std::uint8_t> bytes) {
    for (int cuts = input.ConsumeIntegralInRange(0, 3); cuts > 0 && bytes.size() > 1; --cuts) {
        const std::size_t piece = input.ConsumeIntegralInRange<std::size_t>(1, bytes.size() - 1);
        session.OnBytes(bytes.first(piece));
        bytes = bytes.subspan(piece);
    }
    session.OnBytes(bytes);
}

enum class EEvent {
    kFitting,
    kChosen,
    kNoise,
    kTimeout,
    kCancel,
    kLineFails,
    kMaxValue = kLineFails
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tavelo::CDownloadData download;
    download.m_nModelIndex = input.ConsumeBool() ? 1 : 0;
    download.m_nDriverId = input.ConsumeIntegral<std::uint8_t>();
    download.m_image = Pattern(input.PickValueInArray(kImageBlocks), 0x11);
    download.m_driver = Pattern(input.PickValueInArray(kDriverBlocks), 0x80);
    CCheckingLink link(download);
    CFuzzedPanel panel(input, download);
    tavelo::CDownloadSession session(download, link);
    session.Start();
    while (input.remaining_bytes() > 0 && !link.Reported()) {
        // The session's own pauses pass by themselves; the waits for replies the input ends.
        for (int wait = 0; wait < 64 && !link.AwaitsReply() && !link.Reported(); ++wait)
            session.OnWaitElapsed();
        if (link.Reported()) break;
        switch (input.ConsumeEnum<EEvent>()) {
            case EEvent::kFitting:
                Deliver(input, session, panel.Frame(panel.FittingReply(link.Request())));
                break;
            case EEvent::kChosen:
                Deliver(input, session, panel.Frame(panel.ChosenReply(link.Request())));
                break;
            case EEvent::kNoise:
                Deliver(input, session,
                        input.ConsumeBytes<std::uint8_t>(
                            input.ConsumeIntegralInRange<std::size_t>(1, 160)));
                break;
            case EEvent::kTimeout:
                session.OnWaitElapsed();
                break;
            case EEvent::kCancel:
                session.Cancel();
                break;
            case EEvent::kLineFails:
                link.SetLineWorks(!input.ConsumeBool());
                break;
        }
    }
    // Whatever happened, the session ends with one result once its waits run out.
    for (int wait = 0; wait < 200 && !link.Reported(); ++wait) session.OnWaitElapsed();
    Require(link.Reported() && session.IsDone());
    return 0;
}
