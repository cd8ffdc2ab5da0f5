#pragma once
// Points, sizes and rectangles in canvas units, with the rectangle rules the editor relies on.
// Arithmetic wraps like the panel tool's 32-bit integers, so coordinates read from a damaged
// file never overflow.

#include <algorithm>
#include <cstdint>

namespace tavelo {

// Two's-complement wrap of a wider result back to 32 bits (well defined since C++20).
constexpr std::int32_t WrapInt32(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

struct CPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const CPoint&) const = default;
};

struct CSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;

    bool operator==(const CSize&) const = default;
};

// Not necessarily normalised: right may lie left of left, bottom above top.
struct CRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const CRect&) const = default;

    constexpr std::int32_t Width() const { return WrapInt32(std::int64_t{right} - left); }
    constexpr std::int32_t Height() const { return WrapInt32(std::int64_t{bottom} - top); }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }

    // A rectangle without area: zero or negative width or height.
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    constexpr CRect Normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }

    // True when the two rectangles, taken as they are, share an area of at least one unit.
    constexpr bool Intersects(const CRect& other) const {
        return std::max(left, other.left) < std::min(right, other.right) &&
               std::max(top, other.top) < std::min(bottom, other.bottom);
    }

    constexpr void Offset(std::int32_t dx, std::int32_t dy) {
        left = WrapInt32(std::int64_t{left} + dx);
        right = WrapInt32(std::int64_t{right} + dx);
        top = WrapInt32(std::int64_t{top} + dy);
        bottom = WrapInt32(std::int64_t{bottom} + dy);
    }

    // Widens each side outwards by dx horizontally and dy vertically.
    constexpr void Inflate(std::int32_t dx, std::int32_t dy) {
        left = WrapInt32(std::int64_t{left} - dx);
        right = WrapInt32(std::int64_t{right} + dx);
        top = WrapInt32(std::int64_t{top} - dy);
        bottom = WrapInt32(std::int64_t{bottom} + dy);
    }
};

}  // namespace tavelo
