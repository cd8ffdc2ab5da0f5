#pragma once
// Encodes a static bitmap (kind 3): position, size and the offset of its picture data.

#include "GraphLoadDataBase.h"

namespace tavelo {

class CBitmapLibrary;
class CStaticBitmap;

class CStaticBitmapLoadData : public CGraphLoadDataBase {
public:
    static constexpr std::size_t kRecordSize = 7;

    CStaticBitmapLoadData() : CGraphLoadDataBase(kStaticBitmapRecord) {}

    // The bitmap library must know where its area lies.
    void Compute(const CStaticBitmap& bitmap, const CBitmapLibrary& bitmaps);

    // x, y, 0, width, height, data offset.
    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }

private:
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::size_t m_nDataOffset = 0;
};

}  // namespace tavelo
