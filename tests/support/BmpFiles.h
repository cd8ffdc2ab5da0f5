#pragma once
// Small BMP files made in memory for the import tests, the fuzz seeds' shape: a 14-byte file
// header, a 40-byte information header, the palette and the rows, bottom row first unless the
// height is negative.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/ByteHelpers.h"

namespace tavelo::test {

struct BmpLayout {
    std::int32_t width = 8;
    std::int32_t height = 8;  // negative: rows top-down
    std::uint16_t bits = 1;
    std::uint32_t compression = 0;
    // 0xRRGGBB entries.
    std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF};
    // Bit fields masks, written after the header when compression is 3.
    std::vector<std::uint32_t> masks;
    // The value of pixel (x, y), y counted from the top: a palette index up to 8 bits, else
    // the pixel's bits as the file holds them.
    std::function<std::uint32_t(std::int32_t, std::int32_t)> pixel =
        [](std::int32_t, std::int32_t) { return 1u; };
};

inline void PutLE(Bytes& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline Bytes MakeBmp(const BmpLayout& layout) {
    const std::uint32_t rows =
        static_cast<std::uint32_t>(layout.height < 0 ? -layout.height : layout.height);
    const std::uint32_t stride =
        (static_cast<std::uint32_t>(layout.width) * layout.bits + 31) / 32 * 4;
    const std::uint32_t tables =
        static_cast<std::uint32_t>(layout.palette.size() * 4 + layout.masks.size() * 4);
    Bytes out = Ascii("BM");
    PutLE(out, 54 + tables + stride * rows, 4);
    PutLE(out, 0, 4);
    PutLE(out, 54 + tables, 4);
    for (std::uint32_t field : {40u, std::uint32_t(layout.width), std::uint32_t(layout.height)})
        PutLE(out, field, 4);
    PutLE(out, 1, 2);
    PutLE(out, layout.bits, 2);
    PutLE(out, layout.compression, 4);
    for (std::uint32_t field :
         {stride * rows, 2835u, 2835u, std::uint32_t(layout.palette.size()), 0u})
        PutLE(out, field, 4);
    for (std::uint32_t mask : layout.masks) PutLE(out, mask, 4);
    for (std::uint32_t colour : layout.palette) PutLE(out, colour, 4);  // B, G, R, 0
    for (std::uint32_t r = 0; r < rows; ++r) {
        const std::int32_t y = static_cast<std::int32_t>(layout.height < 0 ? r : rows - 1 - r);
        std::vector<std::uint8_t> row(stride, 0);
        for (std::int32_t x = 0; x < layout.width; ++x) {
            const std::uint32_t value = layout.pixel(x, y);
            const std::size_t bit = static_cast<std::size_t>(x) * layout.bits;
            if (layout.bits < 8)
                row[bit / 8] |= static_cast<std::uint8_t>(value << (8 - layout.bits - bit % 8));
            else
                for (std::size_t i = 0; i < layout.bits / 8u; ++i)
                    row[bit / 8 + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace tavelo::test
