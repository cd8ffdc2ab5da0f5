#include "LcdBlockArt.h"

#include "emulator/LcdFrame.h"

namespace tavelo::cli {

std::string ToBlockArt(const CLcdFrame& frame) {
    // Indexed by the upper dot (bit 1) and the lower one (bit 0).
    static constexpr const char* kCells[] = {" ", "\u2584", "\u2580", "\u2588"};
    std::string art;
    for (std::int32_t y = 0; y < CLcdFrame::kHeight; y += 2) {
        for (std::int32_t x = 0; x < CLcdFrame::kWidth; ++x)
            art += kCells[(frame.Get(x, y) ? 2 : 0) | (frame.Get(x, y + 1) ? 1 : 0)];
        art += '\n';
    }
    return art;
}

}  // namespace tavelo::cli
