#pragma once
// The table of preview pictures that tavelo-picturegen compiles from data/PreviewPictures.txt.

#include <cstddef>
#include <cstdint>

namespace tavelo {

struct CPreviewPictureData {
    std::int32_t m_nNumber;
    std::int32_t m_nWidth;
    std::int32_t m_nHeight;
    // Rows from the top, (width + 7) / 8 bytes each, the leftmost dot in the high bit.
    const std::uint8_t* m_pDots;
};

// In ascending number.
extern const CPreviewPictureData kPreviewPictures[];
extern const std::size_t kPreviewPictureCount;

}  // namespace tavelo
