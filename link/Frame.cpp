#include "Frame.h"

#include <stdexcept>

#include "Crc16.h"

namespace tavelo {

std::uint8_t StartByteOfModel(std::int32_t modelIndex) {
    return modelIndex == 1 ? kStartByteZorB : kStartByteZorA;
}

const char* FrameFaultName(EFrameFault fault) {
    switch (fault) {
        case EFrameFault::kNone:
            return "sound";
        case EFrameFault::kStartByte:
            return "bad start byte";
        case EFrameFault::kLength:
            return "bad length";
        case EFrameFault::kEndByte:
            return "bad end byte";
        case EFrameFault::kWrongModel:
            return "other panel model";
        case EFrameFault::kCrc:
            return "bad CRC";
    }
    return "unknown";
}

std::vector<std::uint8_t> EncodeFrame(const CFrame& frame) {
    if (frame.m_payload.size() > kBlockSize) throw std::invalid_argument("frame payload too long");
    const std::size_t len = kLenWithoutPayload + frame.m_payload.size();
    std::vector<std::uint8_t> bytes;
    bytes.reserve(len + kFrameOverhead);
    bytes.push_back(frame.m_nStart);
    bytes.push_back(static_cast<std::uint8_t>(len));
    bytes.push_back(frame.m_nCommand);
    bytes.push_back(frame.m_nSubCommand);
    bytes.push_back(static_cast<std::uint8_t>(frame.m_nBlockIndex >> 8));
    bytes.push_back(static_cast<std::uint8_t>(frame.m_nBlockIndex & 0xFF));
    bytes.insert(bytes.end(), frame.m_payload.begin(), frame.m_payload.end());
    AppendCrc16(bytes, std::span(bytes).subspan(1, len));
    bytes.push_back(kEndByte);
    return bytes;
}

EFrameFault DecodeFrame(std::span<const std::uint8_t> bytes, std::uint8_t expectedStart,
                        CFrame& frame) {
    if (bytes.empty() || (bytes[0] != kStartByteZorA && bytes[0] != kStartByteZorB))
        return EFrameFault::kStartByte;
    if (bytes.size() < 2) return EFrameFault::kLength;
    const std::size_t len = bytes[1];
    if (len < kLenWithoutPayload || bytes.size() < len + kFrameOverhead)
        return EFrameFault::kLength;
    if (bytes[len + 3] != kEndByte) return EFrameFault::kEndByte;
    if (bytes[0] != expectedStart) return EFrameFault::kWrongModel;
    const std::uint16_t crc = Crc16Modbus(bytes.subspan(1, len));
    if (bytes[len + 1] != (crc & 0xFF) || bytes[len + 2] != (crc >> 8)) return EFrameFault::kCrc;
    frame.m_nStart = bytes[0];
    frame.m_nCommand = bytes[2];
    frame.m_nSubCommand = bytes[3];
    frame.m_nBlockIndex = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
    frame.m_payload.assign(bytes.begin() + 6, bytes.begin() + 1 + static_cast<std::ptrdiff_t>(len));
    return EFrameFault::kNone;
}

}  // namespace tavelo
