#include "ColumnPicture.h"

#include "LcdFrame.h"

namespace tavelo {

namespace {

constexpr std::int32_t kBandRows = 8;

}  // namespace

bool CColumnPicture::Dot(std::int32_t column, std::int32_t row) const {
    if (column < 0 || row < 0 || column >= m_nColumnsPerBand) return false;
    const auto index =
        static_cast<std::size_t>(row / kBandRows) * static_cast<std::size_t>(m_nColumnsPerBand) +
        static_cast<std::size_t>(column);
    return index < m_bytes.size() && ((m_bytes[index] >> (row % kBandRows)) & 1) != 0;
}

void CColumnPicture::Draw(CLcdFrame& frame, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, const CDotLook& look) const {
    const std::int32_t scale = look.Scale();
    for (std::int32_t row = 0; row < height; ++row)
        for (std::int32_t column = 0; column < width; ++column) {
            const bool lit = Dot(column, row) != look.m_bInverse;
            for (std::int32_t dy = 0; dy < scale; ++dy)
                for (std::int32_t dx = 0; dx < scale; ++dx)
                    frame.Set(x + column * scale + dx, y + row * scale + dy, lit);
        }
}

}  // namespace tavelo
