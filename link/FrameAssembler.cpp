#include "FrameAssembler.h"

#include <algorithm>
#include <utility>

#include "Frame.h"

namespace tavelo {

void CFrameAssembler::Feed(std::span<const std::uint8_t> bytes) {
    const std::size_t room = kCapacity - m_buffer.size();
    const std::size_t taken = std::min(room, bytes.size());
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.begin() + static_cast<long>(taken));
    SkipToStartByte();
}

void CFrameAssembler::SkipToStartByte() {
    const auto start = std::find_if(m_buffer.begin(), m_buffer.end(), [](std::uint8_t byte) {
        return byte == kStartByteZorA || byte == kStartByteZorB;
    });
    const auto kept = std::min<std::ptrdiff_t>(
        start - m_buffer.begin(), static_cast<std::ptrdiff_t>(kCapacity - m_noise.size()));
    m_noise.insert(m_noise.end(), m_buffer.begin(), m_buffer.begin() + kept);
    m_buffer.erase(m_buffer.begin(), start);
}

std::vector<std::uint8_t> CFrameAssembler::TakeNoise() {
    return std::exchange(m_noise, {});
}

std::vector<std::uint8_t> CFrameAssembler::TakeRest() {
    return std::exchange(m_buffer, {});
}

std::optional<std::vector<std::uint8_t>> CFrameAssembler::TakeFrame() {
    if (m_buffer.size() < 2) return std::nullopt;
    const std::size_t length = std::min<std::size_t>(m_buffer[1] + kFrameOverhead, kCapacity);
    if (m_buffer.size() < length) return std::nullopt;
    std::vector<std::uint8_t> frame(m_buffer.begin(), m_buffer.begin() + static_cast<long>(length));
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<long>(length));
    SkipToStartByte();
    return frame;
}

}  // namespace tavelo
