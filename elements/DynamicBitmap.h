#pragma once
// The dynamic bitmap ("动态位图"): a 16 x 16 dot picture from the panel's picture library,
// chosen by a bitmap type and shown by one PLC coil with positive or negative logic. The
// editor previews it with a fixed symbol.

#include <array>
#include <cstdint>
#include <string>

#include "RectObj.h"
#include "model/RegisterUnit.h"

namespace tavelo {

class CDynamicBitmap : public CRectObj {
public:
    static constexpr const char* kClassName = "CDynamicBitmap";
    static constexpr std::int32_t kGaugePicture = 248;
    static constexpr std::int32_t kDots = 16;
    static constexpr std::size_t kReservedBytes = 8;

    // Sized from the top-left corner at the first drawing.
    explicit CDynamicBitmap(const CRect& position = {});

    // No Clone: copying a screen leaves dynamic bitmaps out.
    void Serialize(CArchive& ar) override;
    std::string GetClassName() const override { return kClassName; }
    void Draw(const CElementView& view, CDrawSurface& surface) override;
    void DescribeFields(CFieldSink& sink) const override;

    // The preview picture of a bitmap type, or the current one for types without their own.
    std::int32_t PictureOfType(std::int32_t type) const;

    std::int32_t GetBitmapType() const { return m_nBitmapType; }
    // Stores the type and refreshes the preview picture.
    void SetBitmapType(std::int32_t type);
    std::int32_t GetBitmapType2() const { return m_nBitmapType2; }
    void SetBitmapType2(std::int32_t type) { m_nBitmapType2 = type; }
    std::int32_t GetPicture() const { return m_nPicture; }
    std::int32_t GetLogic() const { return m_nLogic; }
    void SetLogic(std::int32_t logic) { m_nLogic = logic; }
    const CRegisterUnit& GetAddress() const { return m_address; }
    void SetAddress(const CRegisterUnit& address) { m_address.CopyFrom(address); }
    std::int32_t GetLinearAddress() const { return m_nLinearAddress; }
    void SetLinearAddress(std::int32_t address) { m_nLinearAddress = address; }
    std::int32_t GetTypeIndex() const { return m_nTypeIndex; }
    void SetTypeIndex(std::int32_t index) { m_nTypeIndex = index; }

    // Corner 1 moves the whole element to the point, corner 2 sets the bottom-right corner.
    void MoveKeepingSize(ECorner corner, std::int32_t x, std::int32_t y);

private:
    std::array<std::uint8_t, kReservedBytes> m_nReserved{};
    std::int32_t m_nBitmapType = 0;  // stored as one byte
    std::int32_t m_nPicture = kGaugePicture;
    CRegisterUnit m_address;
    std::int32_t m_nDotWidth = kDots;
    std::int32_t m_nDotHeight = kDots;
    // This element's own size-worked-out flag; it is stored.
    std::int32_t m_bSized = 0;
    std::int32_t m_nLinearAddress = 0;
    std::int32_t m_nTypeIndex = 0;
    std::int32_t m_nBitmapType2 = 0;
    std::int32_t m_nLogic = 0;
};

}  // namespace tavelo
