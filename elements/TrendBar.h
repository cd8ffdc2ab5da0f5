#pragma once
// The bar graph ("柱状图") and the trend graph ("趋势图"): one PLC register's value between a
// zero and a full-scale value, as a bar filling in one of four directions or as a curve of the
// last samples. The kind lives in the shape and never changes.

#include <cstdint>
#include <memory>
#include <string>

#include "RectObj.h"
#include "model/RegisterUnit.h"

namespace tavelo {

class CTrendBar : public CRectObj {
public:
    static constexpr const char* kClassName = "CTrendBar";
    static constexpr std::int32_t kBarGraph = 2;
    static constexpr std::int32_t kTrendGraph = 3;
    // Bar directions.
    static constexpr std::int32_t kUp = 0, kDown = 1, kLeft = 2, kRight = 3;
    static constexpr std::int32_t kMinSideDots = 16;
    static constexpr std::int32_t kBarWidthDots = 16;
    static constexpr std::int32_t kTrendWidthDots = 96;
    static constexpr std::int32_t kHeightDots = 48;
    // Stands before the decimals, float flag and points; older files hold the points there.
    static constexpr std::int32_t kFloatMarker = 65535;
    static constexpr double kDefaultPreviewFill = 0.35;
    static constexpr std::int32_t kDefaultReserved = 2;

    // A bar graph when reading; the tools make either kind. Sized from the top-left corner
    // at the first drawing.
    explicit CTrendBar(std::int32_t kind = kBarGraph, const CRect& position = {});

    // Copies carry the copy mark: only the copy-screen command copies elements.
    std::unique_ptr<CGraphObj> Clone() const override;
    void Serialize(CArchive& ar) override;
    std::string GetClassName() const override { return kClassName; }
    void Draw(const CElementView& view, CDrawSurface& surface) override;
    void DescribeFields(CFieldSink& sink) const override;

    bool IsTrendGraph() const { return m_nShape == kTrendGraph; }

    std::int32_t GetWidth() const { return m_nWidth; }
    std::int32_t GetHeight() const { return m_nHeight; }
    // Sides below 16 dots become 16.
    void SetSize(std::int32_t height, std::int32_t width);
    std::int32_t GetDirection() const { return m_nDirection; }
    void SetDirection(std::int32_t direction);
    std::int32_t GetFullScale() const { return m_nFullScale; }
    std::int32_t GetZeroScale() const { return m_nZeroScale; }
    void SetScales(std::int32_t full, std::int32_t zero);
    std::int32_t GetPoints() const { return m_nPoints; }
    void SetPoints(std::int32_t points) { m_nPoints = points; }
    std::int32_t GetInterval() const { return m_nInterval; }
    void SetInterval(std::int32_t seconds) { m_nInterval = seconds; }
    std::int32_t GetDecimals() const { return m_nDecimals; }
    void SetDecimals(std::int32_t decimals) { m_nDecimals = decimals; }
    bool IsDecimal() const { return m_bDecimal != 0; }
    void SetDecimal(bool decimal) { m_bDecimal = decimal; }
    bool IsSigned() const { return m_bSigned != 0; }
    void SetSigned(bool isSigned) { m_bSigned = isSigned; }
    bool IsFloat() const { return m_bFloat != 0; }
    void SetFloat(bool isFloat) { m_bFloat = isFloat; }
    std::int32_t GetLinearAddress() const { return m_nLinearAddress; }
    void SetLinearAddress(std::int32_t address) { m_nLinearAddress = address; }
    const CRegisterUnit& GetAddress() const { return m_address; }
    void SetAddress(const CRegisterUnit& address) { m_address.CopyFrom(address); }
    double GetPreviewFill() const { return m_dPreviewFill; }

    // In memory only: the panel notices with them that float was switched off.
    bool m_bFloatApplied = false;
    bool m_bCopyMark = false;

private:
    CTrendBar(const CTrendBar& other) = default;
    void UpdateSize();
    void DrawBar(CDrawSurface& surface) const;
    void DrawTrend(CDrawSurface& surface) const;

    std::int32_t m_nHeight = kHeightDots;
    std::int32_t m_nWidth = kBarWidthDots;
    CRegisterUnit m_address;
    std::int32_t m_nFullScale = 65535;
    std::int32_t m_nZeroScale = 0;
    std::int32_t m_nPoints = 10;
    std::int32_t m_nInterval = 3;
    std::int32_t m_nDecimals = 0;
    std::int32_t m_nDirection = kUp;  // stored as one byte
    double m_dPreviewFill = kDefaultPreviewFill;
    std::int32_t m_bDecimal = 1;
    std::int32_t m_bSigned = 0;
    std::int32_t m_bFloat = 0;
    std::int32_t m_nReserved = kDefaultReserved;
    std::int32_t m_nLinearAddress = 0;
};

}  // namespace tavelo
