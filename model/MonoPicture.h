#pragma once
// A small black-and-white picture, one flag per dot, row by row from the top-left corner.

#include <cstdint>
#include <vector>

namespace tavelo {

struct CMonoPicture {
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::vector<std::uint8_t> m_dots;  // m_nWidth * m_nHeight entries, 1 for a dot

    bool IsDot(std::int32_t x, std::int32_t y) const {
        return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight &&
               m_dots[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) +
                      static_cast<std::size_t>(x)] != 0;
    }
    bool operator==(const CMonoPicture&) const = default;
};

}  // namespace tavelo
