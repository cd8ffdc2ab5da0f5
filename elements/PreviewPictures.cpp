#include "PreviewPictures.h"

#include <algorithm>

#include "PreviewPictureData.h"

namespace tavelo {

CMonoPicture LoadPreviewPicture(std::int32_t number) {
    const CPreviewPictureData* end = kPreviewPictures + kPreviewPictureCount;
    const CPreviewPictureData* found = std::lower_bound(
        kPreviewPictures, end, number,
        [](const CPreviewPictureData& data, std::int32_t n) { return data.m_nNumber < n; });
    if (found == end || found->m_nNumber != number) return {};
    CMonoPicture picture{found->m_nWidth, found->m_nHeight, {}};
    const std::size_t rowBytes = (static_cast<std::size_t>(found->m_nWidth) + 7) / 8;
    picture.m_dots.reserve(static_cast<std::size_t>(found->m_nWidth) *
                           static_cast<std::size_t>(found->m_nHeight));
    for (std::int32_t y = 0; y < found->m_nHeight; ++y) {
        const std::uint8_t* row = found->m_pDots + static_cast<std::size_t>(y) * rowBytes;
        for (std::int32_t x = 0; x < found->m_nWidth; ++x)
            picture.m_dots.push_back((row[x / 8] >> (7 - x % 8)) & 1u);
    }
    return picture;
}

}  // namespace tavelo
