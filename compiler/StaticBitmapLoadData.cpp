#include "StaticBitmapLoadData.h"

#include "BitmapLibrary.h"
#include "elements/StaticBitmap.h"

namespace tavelo {

void CStaticBitmapLoadData::Compute(const CStaticBitmap& bitmap, const CBitmapLibrary& bitmaps) {
    SetPosition(bitmap);
    m_nWidth = bitmap.GetWidth();
    m_nHeight = bitmap.GetHeight();
    m_nDataOffset = bitmaps.GetStaticOffset(bitmap);
}

std::size_t CStaticBitmapLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    PutPosition(out);
    out.Put8(0);
    out.Put8(m_nWidth);
    out.Put8(m_nHeight);
    out.Put16(static_cast<std::int64_t>(m_nDataOffset));
    return out.GetCount() - start;
}

}  // namespace tavelo
