#pragma once
// A picture in the panel's column-byte layout, as glyphs and bitmaps travel in the image: bands
// of 8 dot rows from the top, each band one byte per dot column from the left, bit k of a byte
// the dot in row k of its band. A 16 x 16 glyph is two bands of 16 columns, an 8 x 16 glyph two
// bands of 8.

#include <cstdint>
#include <span>

namespace tavelo {

class CLcdFrame;

// How a picture is put on the LCD: inverse lights the dark dots of its box and darkens the lit
// ones; double size draws every dot as 2 x 2.
struct CDotLook {
    bool m_bInverse = false;
    bool m_bDoubleSize = false;

    std::int32_t Scale() const { return m_bDoubleSize ? 2 : 1; }
};

class CColumnPicture {
public:
    CColumnPicture(std::span<const std::uint8_t> bytes, std::int32_t columnsPerBand)
        : m_bytes(bytes), m_nColumnsPerBand(columnsPerBand) {}

    // Dots the bytes do not hold are dark.
    bool Dot(std::int32_t column, std::int32_t row) const;
    // Draws the width x height dots from the picture's top-left corner with their top-left at
    // (x, y); the box keeps its size when scaled, inverse or not.
    void Draw(CLcdFrame& frame, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height, const CDotLook& look) const;

private:
    std::span<const std::uint8_t> m_bytes;
    std::int32_t m_nColumnsPerBand;
};

}  // namespace tavelo
