#include "ImageCursor.h"

#include <algorithm>

namespace tavelo {

bool CImageCursor::Reserve(std::size_t size) {
    const bool fits = !m_bOverflowed && size <= m_stretch.size() - m_nCount;
    if (!fits) m_bOverflowed = true;
    return fits;
}

void CImageCursor::Put8(std::int64_t value) {
    if (Reserve(1)) m_stretch[m_nCount] = static_cast<std::uint8_t>(value);
    m_nCount += 1;
}

void CImageCursor::Put16(std::int64_t value) {
    if (Reserve(2)) {
        m_stretch[m_nCount] = static_cast<std::uint8_t>(value >> 8);
        m_stretch[m_nCount + 1] = static_cast<std::uint8_t>(value);
    }
    m_nCount += 2;
}

void CImageCursor::Put32(std::int64_t value) {
    if (Reserve(4)) {
        for (int i = 0; i < 4; ++i)
            m_stretch[m_nCount + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(value >> (24 - 8 * i));
    }
    m_nCount += 4;
}

void CImageCursor::PutBytes(std::span<const std::uint8_t> bytes) {
    if (Reserve(bytes.size())) std::copy(bytes.begin(), bytes.end(), Rest().begin());
    m_nCount += bytes.size();
}

void CImageCursor::PutRepeated(std::uint8_t value, std::size_t count) {
    if (Reserve(count)) std::fill_n(Rest().begin(), count, value);
    m_nCount += count;
}

std::span<std::uint8_t> CImageCursor::Rest() const {
    return m_bOverflowed ? std::span<std::uint8_t>() : m_stretch.subspan(m_nCount);
}

}  // namespace tavelo
