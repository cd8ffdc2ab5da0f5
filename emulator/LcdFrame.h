#pragma once
// The panel's LCD as one-bit dots, 192 x 64. Writes outside the display are dropped, as the
// panel's own drawing clips at its edges; text art ('#' lit, '.' dark) shows a frame as lines.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Geometry.h"

namespace tavelo {

class CLcdFrame {
public:
    static constexpr std::int32_t kWidth = 192;
    static constexpr std::int32_t kHeight = 64;
    static constexpr char kLitDot = '#';
    static constexpr char kDarkDot = '.';

    // Also forgets the drawn box.
    void Clear();
    // Outside the display the write is ignored.
    void Set(std::int32_t x, std::int32_t y, bool lit);
    // Sets every dot of the box; the part outside the display is ignored.
    void Fill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, bool lit);
    // Outside the display every dot is dark.
    bool Get(std::int32_t x, std::int32_t y) const;

    // 64 lines of 192 characters, each ended by a newline.
    std::string ToTextArt() const;
    // Takes exactly that form (a missing last newline is accepted); anything else gives nothing.
    static std::optional<CLcdFrame> FromTextArt(std::string_view art);

    // The box (right and bottom exclusive) of every dot asked for since the last Clear, inside
    // the display or not: how far a drawing reaches, which the clipped dots cannot tell.
    std::optional<CRect> GetDrawnBox() const { return m_drawnBox; }

    // Frames are equal by their dots.
    bool operator==(const CLcdFrame& other) const { return m_dots == other.m_dots; }

private:
    static bool Inside(std::int32_t x, std::int32_t y) {
        return x >= 0 && x < kWidth && y >= 0 && y < kHeight;
    }
    static std::size_t Index(std::int32_t x, std::int32_t y) {
        return static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x);
    }

    void Extend(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    std::array<bool, static_cast<std::size_t>(kWidth* kHeight)> m_dots{};
    std::optional<CRect> m_drawnBox;
};

}  // namespace tavelo
