#include "DownloadSession.h"

#include <algorithm>
#include <stdexcept>

#include "LinkMessages.h"

namespace tavelo {

CDownloadSession::CDownloadSession(CDownloadData data, CSessionLink& link)
    : m_data(std::move(data)), m_link(link) {
    if (m_data.m_image.size() % kBlockSize != 0 || m_data.m_driver.size() % kBlockSize != 0)
        throw std::invalid_argument("download data must be whole 128-byte blocks");
    if (GetImageBlocks() + GetDriverBlocks() > 0xFFFF)
        throw std::invalid_argument("download data exceeds the block count the panel takes");
}

void CDownloadSession::Start() {
    m_nAttempts = 0;
    m_nTotalBlocks = GetImageBlocks() + GetDriverBlocks();
    BeginAttempt();
}

void CDownloadSession::BeginAttempt() {
    m_state = EState::kStart;
    m_nBlockCounter = 0;
    m_nBlockIndex = 0;
    m_nGoodReplies = 0;
    m_nRetries = 0;
    m_assembler.Clear();
    // The RTS pulse wakes the panel; the start frame follows after a pause.
    m_link.SetRts(true);
    m_phase = EPhase::kRtsOn;
    m_link.StartWait(kRtsPulseMs);
}

void CDownloadSession::OnWaitElapsed() {
    switch (m_phase) {
        case EPhase::kRtsOn:
            m_link.SetRts(false);
            m_phase = EPhase::kRtsOff;
            m_link.StartWait(kRtsPulseMs);
            break;
        case EPhase::kRtsOff:
            m_phase = EPhase::kBeforeStart;
            m_link.StartWait(kBeforeStartMs);
            break;
        case EPhase::kBeforeStart:
            SendAndAwait();
            break;
        case EPhase::kAwaitReply:
            HandleMissingReply();
            break;
        case EPhase::kClosingOn:
            m_link.SetRts(false);
            m_phase = EPhase::kClosingOff;
            m_link.StartWait(kRtsPulseMs);
            break;
        case EPhase::kClosingOff:
            // The closing pulse is whole only after RTS has stayed off as long as it was on.
            m_phase = EPhase::kDone;
            ReportOutcome();
            break;
        case EPhase::kIdle:
        case EPhase::kDone:
            break;
    }
}

void CDownloadSession::OnBytes(std::span<const std::uint8_t> bytes) {
    if (m_phase != EPhase::kAwaitReply) return;
    m_assembler.Feed(bytes);
    // One reply per request: what follows it belongs to no request and is cleared on sending.
    if (auto frame = m_assembler.TakeFrame()) HandleFrame(*frame);
}

void CDownloadSession::Cancel() {
    if (m_phase == EPhase::kIdle || m_phase == EPhase::kClosingOn ||
        m_phase == EPhase::kClosingOff || m_phase == EPhase::kDone)
        return;
    m_nAttempts = kCancelledAttempts;
    m_bStopped = true;
    EndSession();
}

void CDownloadSession::SendAndAwait() {
    m_assembler.Clear();
    // A line that refuses every write fails the attempt, so a dead port ends the session.
    if (!m_link.Send(EncodeFrame(BuildRequest()))) {
        FailAttempt();
        return;
    }
    m_phase = EPhase::kAwaitReply;
    m_link.StartWait(kReplyTimeoutMs);
}

void CDownloadSession::HandleFrame(std::span<const std::uint8_t> bytes) {
    CFrame reply;
    const EFrameFault fault = DecodeFrame(bytes, StartByteOfModel(m_data.m_nModelIndex), reply);
    if (fault == EFrameFault::kWrongModel) ++m_nWrongModel;
    if (fault == EFrameFault::kNone && AnswersRequest(reply)) {
        m_nRetries = 0;
        Advance(reply);
        CountGoodReply();
        if (m_state == EState::kDone)
            EndSession();
        else
            SendAndAwait();
        return;
    }
    if (m_nWrongModel >= kWrongModelLimit) {
        m_bStopped = true;
        EndSession();
        return;
    }
    HandleMissingReply();
}

bool CDownloadSession::AnswersRequest(const CFrame& reply) const {
    // Only a reply to the request on its way may advance the session: a stray "finished"
    // during the writes must not pass for a completed download.
    if (reply.m_nCommand == kReplyRestart) return true;
    const bool sameBlock = reply.m_nBlockIndex == m_nBlockIndex;
    switch (m_state) {
        case EState::kStart:
            return reply.m_nCommand == kReplyStarted && !reply.m_payload.empty();
        case EState::kWriteImage:
        case EState::kWriteDriver:
            return reply.m_nCommand == kReplyWritten && sameBlock && !reply.m_payload.empty() &&
                   reply.m_payload[0] != kWriteRefused;
        case EState::kReadImage:
        case EState::kReadDriver: {
            const std::uint8_t expected =
                m_state == EState::kReadImage ? kReplyImageBlock : kReplyDriverBlock;
            const auto block = CurrentBlock();
            return reply.m_nCommand == expected && sameBlock &&
                   std::equal(block.begin(), block.end(), reply.m_payload.begin(),
                              reply.m_payload.end());
        }
        case EState::kFinish:
            return reply.m_nCommand == kReplyFinished;
        case EState::kDone:
            return false;
    }
    return false;
}

void CDownloadSession::Advance(const CFrame& reply) {
    switch (reply.m_nCommand) {
        case kReplyRestart:
            m_state = EState::kStart;
            break;
        case kReplyStarted:
            // A panel that holds our driver already gets the image alone.
            m_nTotalBlocks = reply.m_payload[0] == m_data.m_nDriverId
                                 ? GetImageBlocks()
                                 : GetImageBlocks() + GetDriverBlocks();
            m_nBlockCounter = 0;
            m_nBlockIndex = 0;
            m_state = EState::kWriteImage;
            break;
        case kReplyWritten:
            AdvanceBlock(EState::kWriteImage, EState::kWriteDriver, EState::kReadImage);
            break;
        case kReplyImageBlock:
        case kReplyDriverBlock:
            AdvanceBlock(EState::kReadImage, EState::kReadDriver, EState::kFinish);
            break;
        case kReplyFinished:
            m_state = EState::kDone;
            break;
        default:
            break;
    }
}

void CDownloadSession::AdvanceBlock(EState imageState, EState driverState, EState nextPhase) {
    const int counter = ++m_nBlockCounter;
    if (counter < m_nTotalBlocks) {
        const bool inImage = counter < GetImageBlocks();
        m_state = inImage ? imageState : driverState;
        m_nBlockIndex = inImage ? counter : counter - GetImageBlocks();
        return;
    }
    m_state = nextPhase;
    m_nBlockCounter = 0;
    m_nBlockIndex = 0;
}

void CDownloadSession::CountGoodReply() {
    ++m_nGoodReplies;
    m_nGoodRepliesMax = std::max(m_nGoodRepliesMax, m_nGoodReplies);
    // The maximum survives attempts whose total shrank, so the position is capped.
    const int position = m_state == EState::kDone
                             ? 100
                             : std::min(100, m_nGoodRepliesMax * 100 / (2 * m_nTotalBlocks + 1));
    if (position == m_nProgress) return;
    m_nProgress = position;
    m_link.ReportProgress(position);
}

void CDownloadSession::HandleMissingReply() {
    ++m_nRetries;
    // An unanswered start frame fails the attempt at once: the panel is not listening.
    if (m_state == EState::kStart || m_nRetries > kMaxRetries) {
        FailAttempt();
        return;
    }
    SendAndAwait();
}

void CDownloadSession::FailAttempt() {
    ++m_nAttempts;
    if (m_nAttempts < kMaxAttempts && !m_bStopped)
        BeginAttempt();
    else
        EndSession();
}

void CDownloadSession::EndSession() {
    m_link.SetRts(true);
    m_phase = EPhase::kClosingOn;
    m_link.StartWait(kRtsPulseMs);
}

void CDownloadSession::ReportOutcome() {
    CDownloadResult result;
    if (m_nWrongModel >= kWrongModelLimit) {
        m_nWrongModel = 0;
        result.m_strMessage = link_messages::kWrongModel;
    } else if (m_state == EState::kDone) {
        result.m_bSucceeded = true;
        result.m_strMessage = link_messages::kSucceeded;
    } else if (m_nAttempts < 2 * kMaxAttempts) {
        result.m_strMessage = link_messages::kLineFailed;
    } else {
        result.m_strMessage = link_messages::kCancelled;
    }
    m_link.ReportResult(result);
}

std::span<const std::uint8_t> CDownloadSession::CurrentBlock() const {
    const bool driver = m_state == EState::kWriteDriver || m_state == EState::kReadDriver;
    const auto& bytes = driver ? m_data.m_driver : m_data.m_image;
    return std::span(bytes).subspan(static_cast<std::size_t>(m_nBlockIndex) * kBlockSize,
                                    kBlockSize);
}

CFrame CDownloadSession::BuildRequest() const {
    CFrame frame;
    frame.m_nStart = StartByteOfModel(m_data.m_nModelIndex);
    frame.m_nBlockIndex = static_cast<std::uint16_t>(m_nBlockIndex);
    const auto block = [this] {
        const auto bytes = CurrentBlock();
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    };
    switch (m_state) {
        case EState::kStart:
            frame.m_nCommand = kCmdStart;
            frame.m_nBlockIndex = 0;
            frame.m_payload = {m_data.m_nDriverId, static_cast<std::uint8_t>(m_nTotalBlocks >> 8),
                               static_cast<std::uint8_t>(m_nTotalBlocks & 0xFF)};
            break;
        case EState::kWriteImage:
            frame.m_nCommand = frame.m_nSubCommand = kCmdWriteImage;
            frame.m_payload = block();
            break;
        case EState::kWriteDriver:
            frame.m_nCommand = frame.m_nSubCommand = kCmdWriteDriver;
            frame.m_payload = block();
            break;
        case EState::kReadImage:
        case EState::kReadDriver:
            frame.m_nCommand = kCmdRead;
            frame.m_nSubCommand = m_state == EState::kReadImage ? kSubImage : kSubDriver;
            break;
        case EState::kFinish:
        case EState::kDone:
            frame.m_nCommand = kCmdFinish;
            break;
    }
    return frame;
}

}  // namespace tavelo
