#pragma once
// Cuts the received byte stream into frames by their LEN byte, in a bounded receive buffer.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavelo {

class CFrameAssembler {
public:
    // The receive buffer of the panel's protocol; a frame never needs more.
    static constexpr std::size_t kCapacity = 140;

    // Adds received bytes. Leading bytes that cannot start a frame are skipped; bytes beyond
    // the buffer's capacity are dropped, so a flood never grows it.
    void Feed(std::span<const std::uint8_t> bytes);
    // The next delimited frame, taken out of the buffer. A LEN that no frame can have yields
    // the full buffer, which the frame check then refuses.
    std::optional<std::vector<std::uint8_t>> TakeFrame();
    // The bytes skipped since the last call because they could not start a frame; at most
    // kCapacity of them are kept.
    std::vector<std::uint8_t> TakeNoise();
    // What is buffered of a frame not yet complete, taken out of the buffer.
    std::vector<std::uint8_t> TakeRest();
    void Clear() {
        m_buffer.clear();
        m_noise.clear();
    }

private:
    void SkipToStartByte();

    std::vector<std::uint8_t> m_buffer;
    std::vector<std::uint8_t> m_noise;
};

}  // namespace tavelo
