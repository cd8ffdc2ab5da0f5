#include "DynamicBitmapLoadData.h"

#include "BitmapLibrary.h"
#include "CompilerMessages.h"
#include "elements/DynamicBitmap.h"

namespace tavelo {

void CDynamicBitmapLoadData::Compute(const CDynamicBitmap& bitmap, const CBitmapLibrary& bitmaps,
                                     std::vector<std::u16string>& notes) {
    SetPosition(bitmap);
    m_nLogic = bitmap.GetLogic();
    const std::size_t position = bitmaps.GetDynamicPosition(bitmap.GetBitmapType2());
    if (position >= bitmaps.GetDynamicCount())
        notes.emplace_back(compiler_messages::kDynamicBitmap);
    m_nPictureOffset = bitmaps.GetDynamicOffset(position);
    m_nLinearAddress = bitmap.GetLinearAddress();
    m_nUnitCode = bitmap.GetAddress().m_nUnitType;
}

std::size_t CDynamicBitmapLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    PutPosition(out);
    out.Put8(m_nLogic);
    out.Put8(kPictureDots);
    out.Put8(kPictureDots);
    out.Put16(static_cast<std::int64_t>(m_nPictureOffset));
    out.Put8(kPictureMarker);
    out.Put16(m_nLinearAddress);
    out.Put8(m_nUnitCode);
    return out.GetCount() - start;
}

}  // namespace tavelo
