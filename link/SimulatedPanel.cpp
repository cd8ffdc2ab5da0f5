#include "SimulatedPanel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace tavelo {

namespace {

constexpr std::array<std::pair<const char*, EPanelFault>, 6> kFaultNames = {{
    {"drop", EPanelFault::kDrop},
    {"crc", EPanelFault::kBadCrc},
    {"model", EPanelFault::kOtherModel},
    {"ack", EPanelFault::kRefusedWrite},
    {"readback", EPanelFault::kWrongReadBack},
    {"silence", EPanelFault::kSilence},
}};

}  // namespace

std::optional<CPanelFault> ParsePanelFault(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string name = text.substr(0, colon);
    const auto known = std::find_if(kFaultNames.begin(), kFaultNames.end(),
                                    [&](const auto& entry) { return name == entry.first; });
    if (known == kFaultNames.end()) return std::nullopt;
    CPanelFault fault{known->second, 0};
    const char* first = text.data() + colon + 1;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, fault.m_nRequest);
    if (error != std::errc() || end != last || first == last || fault.m_nRequest < 1)
        return std::nullopt;
    return fault;
}

CSimulatedPanel::CSimulatedPanel(std::int32_t modelIndex, std::uint8_t driverId,
                                 std::vector<CPanelFault> faults)
    : m_nStart(StartByteOfModel(modelIndex)), m_nDriverId(driverId), m_faults(std::move(faults)) {}

const CPanelFault* CSimulatedPanel::FaultOf(int request) const {
    for (const CPanelFault& fault : m_faults) {
        if (fault.m_kind == EPanelFault::kSilence && request >= fault.m_nRequest) return &fault;
        if (fault.m_nRequest == request) return &fault;
    }
    return nullptr;
}

std::vector<std::uint8_t> CSimulatedPanel::Receive(std::span<const std::uint8_t> bytes) {
    m_assembler.Feed(bytes);
    std::vector<std::uint8_t> out;
    while (auto frameBytes = m_assembler.TakeFrame()) {
        // The panel listens to either start byte and answers with its own, so a PC set for
        // the other model learns of the mismatch.
        CFrame request;
        if (DecodeFrame(*frameBytes, (*frameBytes)[0], request) != EFrameFault::kNone) continue;
        const int number = ++m_nRequests;
        std::optional<CFrame> reply = Answer(request);
        const CPanelFault* fault = FaultOf(number);
        if (!reply || (fault && (fault->m_kind == EPanelFault::kDrop ||
                                 fault->m_kind == EPanelFault::kSilence)))
            continue;
        if (fault && fault->m_kind == EPanelFault::kRefusedWrite && !reply->m_payload.empty())
            reply->m_payload[0] = kWriteRefused;
        if (fault && fault->m_kind == EPanelFault::kWrongReadBack && !reply->m_payload.empty())
            reply->m_payload.back() ^= 0x01;
        if (fault && fault->m_kind == EPanelFault::kOtherModel)
            reply->m_nStart = m_nStart == kStartByteZorA ? kStartByteZorB : kStartByteZorA;
        std::vector<std::uint8_t> encoded = EncodeFrame(*reply);
        if (fault && fault->m_kind == EPanelFault::kBadCrc) encoded[encoded.size() - 2] ^= 0xFF;
        out.insert(out.end(), encoded.begin(), encoded.end());
    }
    return out;
}

std::optional<CFrame> CSimulatedPanel::Answer(const CFrame& request) {
    CFrame reply;
    reply.m_nStart = m_nStart;
    reply.m_nSubCommand = request.m_nSubCommand;
    reply.m_nBlockIndex = request.m_nBlockIndex;
    switch (request.m_nCommand) {
        case kCmdStart:
            if (request.m_payload.size() < 3) return std::nullopt;
            m_nOfferedDriverId = request.m_payload[0];
            m_nAnnouncedBlocks = request.m_payload[1] << 8 | request.m_payload[2];
            m_image.clear();
            m_driver.clear();
            reply.m_nCommand = kReplyStarted;
            reply.m_payload = {m_nDriverId};
            return reply;
        case kCmdWriteImage:
        case kCmdWriteDriver:
            if (request.m_payload.size() != kBlockSize) return std::nullopt;
            Store(request.m_nCommand == kCmdWriteImage ? m_image : m_driver, request);
            reply.m_nCommand = kReplyWritten;
            reply.m_payload = {0x00};
            return reply;
        case kCmdRead:
            return ReadBack(request);
        case kCmdFinish:
            // A driver that arrived whole is the one the panel now holds.
            if (!m_driver.empty()) m_nDriverId = m_nOfferedDriverId;
            ++m_nFinished;
            reply.m_nCommand = kReplyFinished;
            return reply;
        default:
            return std::nullopt;
    }
}

CFrame CSimulatedPanel::ReadBack(const CFrame& request) const {
    const bool driver = request.m_nSubCommand == kSubDriver;
    const auto& bytes = driver ? m_driver : m_image;
    CFrame reply;
    reply.m_nStart = m_nStart;
    reply.m_nCommand = driver ? kReplyDriverBlock : kReplyImageBlock;
    reply.m_nSubCommand = request.m_nSubCommand;
    reply.m_nBlockIndex = request.m_nBlockIndex;
    // A block never written reads back as erased flash.
    reply.m_payload.assign(kBlockSize, 0xFF);
    const std::size_t offset = static_cast<std::size_t>(request.m_nBlockIndex) * kBlockSize;
    if (offset + kBlockSize <= bytes.size())
        std::copy_n(bytes.begin() + static_cast<long>(offset), kBlockSize, reply.m_payload.begin());
    return reply;
}

void CSimulatedPanel::Store(std::vector<std::uint8_t>& bytes, const CFrame& request) {
    const std::size_t offset = static_cast<std::size_t>(request.m_nBlockIndex) * kBlockSize;
    if (bytes.size() < offset + kBlockSize) bytes.resize(offset + kBlockSize, 0xFF);
    std::copy(request.m_payload.begin(), request.m_payload.end(),
              bytes.begin() + static_cast<long>(offset));
}

}  // namespace tavelo
