#pragma once
// The LCD as a PNG picture, as the panel shows it: dark dots on the panel's green-grey, each dot
// a square of scale x scale pixels. Written without a picture library: a two-colour palette
// picture whose data travels in stored (uncompressed) deflate blocks.

#include <cstdint>
#include <vector>

namespace tavelo {

class CLcdFrame;

class CLcdPng {
public:
    static constexpr std::int32_t kMinScale = 1;
    static constexpr std::int32_t kMaxScale = 16;
    static constexpr std::int32_t kDefaultScale = 4;
    // The panel's background and its lit dots, red, green, blue.
    static constexpr std::uint8_t kBackground[3] = {0x9E, 0xAD, 0x86};
    static constexpr std::uint8_t kDot[3] = {0x1E, 0x2A, 0x1E};

    // scale is kept within kMinScale..kMaxScale.
    static std::vector<std::uint8_t> Encode(const CLcdFrame& frame, std::int32_t scale);
};

}  // namespace tavelo
