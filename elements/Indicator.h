#pragma once
// The indicator lamp ("指示灯"): a round or square lamp of 16 x 16 dots bound to one PLC coil,
// with positive or negative logic, previewed as a lamp picture.

#include <cstdint>
#include <memory>
#include <string>

#include "RectObj.h"
#include "model/RegisterUnit.h"

namespace tavelo {

class CIndicator : public CRectObj {
public:
    static constexpr const char* kClassName = "CIndicator";
    static constexpr std::int32_t kRound = 0;     // 圆形
    static constexpr std::int32_t kSquare = 1;    // 方形
    static constexpr std::int32_t kPositive = 0;  // 正逻辑
    static constexpr std::int32_t kNegative = 1;  // 负逻辑
    static constexpr std::int32_t kLampDots = 16;
    // Positive logic shows the outline lamp, negative logic the filled one.
    static constexpr std::int32_t kRoundPositivePicture = 135;
    static constexpr std::int32_t kRoundNegativePicture = 117;
    static constexpr std::int32_t kSquarePositivePicture = 138;
    static constexpr std::int32_t kSquareNegativePicture = 136;

    // Sized from the top-left corner at the first drawing.
    explicit CIndicator(const CRect& position = {});

    // Lamp size 16 x 16 and the reserved value 0 again; the screen number is the caller's.
    std::unique_ptr<CGraphObj> Clone() const override;
    void Serialize(CArchive& ar) override;
    std::string GetClassName() const override { return kClassName; }
    void Draw(const CElementView& view, CDrawSurface& surface) override;
    void DescribeFields(CFieldSink& sink) const override;

    // The lamp picture of the shape and logic; shapes and logics other than 0 count as 1.
    std::int32_t GetPreviewPicture() const;

    std::int32_t GetLampShape() const { return m_nLampShape; }
    void SetLampShape(std::int32_t shape) { m_nLampShape = shape; }
    std::int32_t GetLogic() const { return m_nLogic; }
    void SetLogic(std::int32_t logic) { m_nLogic = logic; }
    const CRegisterUnit& GetAddress() const { return m_address; }
    void SetAddress(const CRegisterUnit& address) { m_address.CopyFrom(address); }
    std::int32_t GetLinearAddress() const { return m_nLinearAddress; }
    void SetLinearAddress(std::int32_t address) { m_nLinearAddress = address; }
    std::int32_t GetTypeIndex() const { return m_nTypeIndex; }
    void SetTypeIndex(std::int32_t index) { m_nTypeIndex = index; }

private:
    CIndicator(const CIndicator& other) = default;
    void UpdateSize();

    std::int32_t m_nLampWidth = kLampDots;
    std::int32_t m_nLampHeight = kLampDots;
    std::int32_t m_nReserved = 0;
    CRegisterUnit m_address;
    std::int32_t m_nLampShape = kRound;  // stored as one byte
    std::int32_t m_nLogic = kPositive;   // stored as one byte
    std::int32_t m_nLinearAddress = 0;
    std::int32_t m_nTypeIndex = 0;
};

}  // namespace tavelo
