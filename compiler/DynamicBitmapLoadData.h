#pragma once
// Encodes a dynamic bitmap (kind 9): position, logic, the panel's fixed picture size, the
// offset of its picture set and the coil address.

#include <string>
#include <vector>

#include "GraphLoadDataBase.h"

namespace tavelo {

class CBitmapLibrary;
class CDynamicBitmap;

class CDynamicBitmapLoadData : public CGraphLoadDataBase {
public:
    static constexpr std::size_t kRecordSize = 11;
    // Constants the panel's firmware expects in every record.
    static constexpr std::int32_t kPictureDots = 16;
    static constexpr std::int32_t kPictureMarker = 1;

    CDynamicBitmapLoadData() : CGraphLoadDataBase(kDynamicBitmapRecord) {}

    // A bitmap type without an entry adds "动态位图处理错误" to notes.
    void Compute(const CDynamicBitmap& bitmap, const CBitmapLibrary& bitmaps,
                 std::vector<std::u16string>& notes);

    // x, y, logic, 16, 16, picture set offset, 1, coil address, unit code.
    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }

private:
    std::int32_t m_nLogic = 0;
    std::size_t m_nPictureOffset = 0;
    std::int32_t m_nLinearAddress = 0;
    std::int32_t m_nUnitCode = 0;
};

}  // namespace tavelo
