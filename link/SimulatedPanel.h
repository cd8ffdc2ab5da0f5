#pragma once
// The panel's side of the download protocol, for tests and the tavelo-panel program: answers
// requests by the protocol's reply table, collects the image and driver it is sent, and
// injects faults on chosen requests, deterministically.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Frame.h"
#include "FrameAssembler.h"

namespace tavelo {

enum class EPanelFault {
    kDrop,           // no reply to this request
    kBadCrc,         // the reply's CRC is wrong
    kOtherModel,     // the reply carries the other model's start byte
    kRefusedWrite,   // a write acknowledgement with 0xFF as its first payload byte
    kWrongReadBack,  // a read-back block with one byte changed
    kSilence,        // no reply to this request nor to any after it
};

// A fault on the n-th request the panel receives (counted from 1 over its whole life).
struct CPanelFault {
    EPanelFault m_kind = EPanelFault::kDrop;
    int m_nRequest = 1;
};

// Parses "drop:3", "crc:5", "model:1", "ack:4", "readback:9", "silence:2".
std::optional<CPanelFault> ParsePanelFault(const std::string& text);

class CSimulatedPanel {
public:
    CSimulatedPanel(std::int32_t modelIndex, std::uint8_t driverId,
                    std::vector<CPanelFault> faults = {});

    // Takes bytes from the line; returns the reply bytes to send back, if any.
    std::vector<std::uint8_t> Receive(std::span<const std::uint8_t> bytes);

    // After each finish request: the image and driver of that session, whole blocks as sent.
    const std::vector<std::uint8_t>& GetImage() const { return m_image; }
    const std::vector<std::uint8_t>& GetDriver() const { return m_driver; }
    std::uint8_t GetDriverId() const { return m_nDriverId; }
    int GetFinishedSessions() const { return m_nFinished; }
    int GetRequestCount() const { return m_nRequests; }
    // The block count announced by the last start request.
    int GetAnnouncedBlocks() const { return m_nAnnouncedBlocks; }

private:
    std::optional<CFrame> Answer(const CFrame& request);
    CFrame ReadBack(const CFrame& request) const;
    static void Store(std::vector<std::uint8_t>& bytes, const CFrame& request);
    const CPanelFault* FaultOf(int request) const;

    std::uint8_t m_nStart;
    std::uint8_t m_nDriverId;
    std::vector<CPanelFault> m_faults;
    CFrameAssembler m_assembler;
    std::vector<std::uint8_t> m_image;
    std::vector<std::uint8_t> m_driver;
    std::uint8_t m_nOfferedDriverId = 0;
    int m_nRequests = 0;
    int m_nFinished = 0;
    int m_nAnnouncedBlocks = 0;
};

}  // namespace tavelo
