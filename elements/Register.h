#pragma once
// The numeric field of a screen: one PLC register, or a run of them read as one number, shown
// with fixed digits and decimals, optionally settable from the keypad within limits, and
// previewed on the canvas as a run of sample digits.

#include <cstdint>
#include <memory>
#include <string>

#include "RectObj.h"
#include "model/RegisterUnit.h"

namespace tavelo {

class CRegister : public CRectObj {
public:
    static constexpr const char* kClassName = "CRegister";
    // Written before the float flag; files from before the float option hold the digits here.
    static constexpr std::int32_t kFloatMarker = 0xFFFF;
    static constexpr std::int32_t kMaxDigits = 10;
    static constexpr std::int32_t kDataModeRaw = 0;
    static constexpr std::int32_t kDataModeEngineering = 1;

    CRegister() : CRegister(CRect{}) {}
    explicit CRegister(const CRect& position);

    // The copy-screen copy: it carries the copy mark.
    std::unique_ptr<CGraphObj> Clone() const override;
    std::string GetClassName() const override { return kClassName; }
    // The base part, the preview, the flags and limits, the float marker, the digit settings,
    // the linear address, data mode, type index and the address record. Reads files with and
    // without the marker; always writes it.
    void Serialize(CArchive& ar) override;
    void DescribeFields(CFieldSink& sink) const override;
    void Draw(const CElementView& view, CDrawSurface& surface) override;

    // Works out the box from the preview string; the top-left corner stays.
    void ComputeSize(CDrawSurface& surface);

    const std::u16string& GetPreview() const { return m_strPreview; }
    CRegisterUnit& GetAddress() { return m_address; }
    const CRegisterUnit& GetAddress() const { return m_address; }

    // These four rebuild the preview string.
    void SetDecimal(bool decimal);
    void SetFloat(bool isFloat);
    void SetSigned(bool isSigned);
    void SetDigits(std::int32_t digits, std::int32_t decimals);

    bool IsDecimal() const { return m_bDecimal != 0; }
    bool IsFloat() const { return m_bFloat != 0; }
    bool IsSigned() const { return m_bSigned != 0; }
    std::int32_t GetDigits() const { return m_nDigits; }
    std::int32_t GetDecimals() const { return m_nDecimals; }

    bool IsSettable() const { return m_bSettable != 0; }
    void SetSettable(bool settable) { m_bSettable = settable ? 1 : 0; }
    bool IsPassword() const { return m_bPassword != 0; }
    void SetPassword(bool password) { m_bPassword = password ? 1 : 0; }
    bool IsLimits() const { return m_bLimits != 0; }
    void SetLimits(bool limits) { m_bLimits = limits ? 1 : 0; }
    bool IsEngineering() const { return m_bEngineering != 0; }
    void SetEngineering(bool engineering) { m_bEngineering = engineering ? 1 : 0; }

    std::int32_t GetInputMax() const { return m_nInputMax; }
    std::int32_t GetInputMin() const { return m_nInputMin; }
    void SetInputLimits(std::int32_t max, std::int32_t min);
    std::int32_t GetEngMax() const { return m_nEngMax; }
    std::int32_t GetEngMin() const { return m_nEngMin; }
    void SetEngineeringLimits(std::int32_t max, std::int32_t min);

    std::int32_t GetDataMode() const { return m_nDataMode; }
    void SetDataMode(std::int32_t mode) { m_nDataMode = mode; }
    std::int32_t GetTypeIndex() const { return m_nTypeIndex; }
    void SetTypeIndex(std::int32_t index) { m_nTypeIndex = index; }
    std::int32_t GetLinearAddress() const { return m_nLinearAddress; }
    void SetLinearAddress(std::int32_t address) { m_nLinearAddress = address; }

    // In memory only: the panel notices by them that float was switched off.
    bool m_bFloatApplied = false;
    bool m_bCopyMark = false;

private:
    // Copies every stored member and rebuilds the preview; neither in-memory mark is copied.
    CRegister(const CRegister& other);
    void BuildPreview();

    std::u16string m_strPreview;
    CRegisterUnit m_address;
    std::int32_t m_bDecimal = 1;
    std::int32_t m_bSigned = 0;
    std::int32_t m_bSettable = 0;
    std::int32_t m_bPassword = 0;
    std::int32_t m_bLimits = 0;
    std::int32_t m_bEngineering = 0;
    std::int32_t m_bFloat = 0;
    std::int32_t m_nInputMax = 0;
    std::int32_t m_nInputMin = 0;
    std::int32_t m_nEngMax = 0;
    std::int32_t m_nEngMin = 0;
    std::int32_t m_nDecimals = 0;
    std::int32_t m_nDigits = 5;
    std::int32_t m_nTypeIndex = 0;
    std::int32_t m_nLinearAddress = 0;
    std::int32_t m_nDataMode = kDataModeRaw;
};

}  // namespace tavelo
