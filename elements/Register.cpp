#include "Register.h"

#include <algorithm>

#include "ElementSizing.h"
#include "ElementTexts.h"
#include "TextStyle.h"
#include "model/Archive.h"
#include "model/FieldSink.h"

namespace tavelo {

namespace {

constexpr std::u16string_view kSampleDigits = u"1234567890";

CRegisterUnit DefaultAddress() {
    CRegisterUnit address;
    address.m_nUnitType = 1;
    address.m_nUnitBytes = 1;
    return address;
}

// The preview is drawn in the dot-matrix cell font, as high as the box.
CTextStyle PreviewStyle() {
    return {};
}

}  // namespace

CRegister::CRegister(const CRect& position)
    : CRectObj(position, kRectangle), m_address(DefaultAddress()) {
    BuildPreview();
}

CRegister::CRegister(const CRegister& other)
    : CRectObj(other),
      m_address(other.m_address),
      m_bDecimal(other.m_bDecimal),
      m_bSigned(other.m_bSigned),
      m_bSettable(other.m_bSettable),
      m_bPassword(other.m_bPassword),
      m_bLimits(other.m_bLimits),
      m_bEngineering(other.m_bEngineering),
      m_bFloat(other.m_bFloat),
      m_nInputMax(other.m_nInputMax),
      m_nInputMin(other.m_nInputMin),
      m_nEngMax(other.m_nEngMax),
      m_nEngMin(other.m_nEngMin),
      m_nDecimals(other.m_nDecimals),
      m_nDigits(other.m_nDigits),
      m_nTypeIndex(other.m_nTypeIndex),
      m_nLinearAddress(other.m_nLinearAddress),
      m_nDataMode(other.m_nDataMode) {
    BuildPreview();
}

std::unique_ptr<CGraphObj> CRegister::Clone() const {
    std::unique_ptr<CRegister> copy(new CRegister(*this));
    copy->m_bCopyMark = true;
    return copy;
}

void CRegister::Serialize(CArchive& ar) {
    SerializeBase(ar);
    ar.String(m_strPreview);
    ar.Int32(m_bDecimal);
    ar.Int32(m_bSigned);
    ar.Int32(m_bSettable);
    ar.Int32(m_bPassword);
    ar.Int32(m_bLimits);
    ar.Int32(m_nInputMax);
    ar.Int32(m_nInputMin);
    ar.Int32(m_nEngMax);
    ar.Int32(m_nEngMin);
    ar.Int32(m_bEngineering);
    std::int32_t marker = kFloatMarker;
    ar.Int32(marker);
    if (ar.IsStoring() || marker == kFloatMarker) {
        ar.Int32(m_bFloat);
        ar.Int32(m_nDigits);
    } else {
        m_bFloat = 0;
        m_nDigits = marker;
    }
    ar.Int32(m_nDecimals);
    ar.Int32(m_nLinearAddress);
    ar.Int32(m_nDataMode);
    ar.Int32(m_nTypeIndex);
    m_address.Serialize(ar);
}

void CRegister::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Text("preview", m_strPreview);
    sink.Int("decimal", m_bDecimal);
    sink.Int("signed", m_bSigned);
    sink.Int("settable", m_bSettable);
    sink.Int("password", m_bPassword);
    sink.Int("limits", m_bLimits);
    sink.Int("inputMax", m_nInputMax);
    sink.Int("inputMin", m_nInputMin);
    sink.Int("engMax", m_nEngMax);
    sink.Int("engMin", m_nEngMin);
    sink.Int("engineering", m_bEngineering);
    sink.Int("float", m_bFloat);
    sink.Int("digits", m_nDigits);
    sink.Int("decimals", m_nDecimals);
    sink.Int("linearAddress", m_nLinearAddress);
    sink.Int("dataMode", m_nDataMode);
    sink.Int("typeIndex", m_nTypeIndex);
    m_address.DescribeFields(sink, "address");
}

void CRegister::ComputeSize(CDrawSurface& surface) {
    CSize extent = surface.MeasureText(PreviewStyle().MeasuringFont(), m_strPreview);
    if (m_bDoubleSize)
        extent = {WrapInt32(std::int64_t{extent.cx} * 2), WrapInt32(std::int64_t{extent.cy} * 2)};
    m_rcPosition = GrownFromTopLeft(m_rcPosition, extent.cx, extent.cy);
    m_bSizeValid = true;
}

void CRegister::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    if (!m_bSizeValid) ComputeSize(surface);
    ClampToCanvas();
    const bool inverse = m_bInverse != 0;
    surface.DrawText(m_rcPosition.TopLeft(), m_strPreview,
                     PreviewStyle().DrawingFont(m_rcPosition.Height()), TextInk(inverse),
                     TextPaper(inverse));
}

void CRegister::SetDecimal(bool decimal) {
    m_bDecimal = decimal ? 1 : 0;
    BuildPreview();
}

void CRegister::SetFloat(bool isFloat) {
    m_bFloat = isFloat ? 1 : 0;
    BuildPreview();
}

void CRegister::SetSigned(bool isSigned) {
    m_bSigned = isSigned ? 1 : 0;
    BuildPreview();
}

void CRegister::SetDigits(std::int32_t digits, std::int32_t decimals) {
    m_nDigits = digits;
    m_nDecimals = decimals;
    BuildPreview();
}

void CRegister::SetInputLimits(std::int32_t max, std::int32_t min) {
    m_nInputMax = max;
    m_nInputMin = min;
}

void CRegister::SetEngineeringLimits(std::int32_t max, std::int32_t min) {
    m_nEngMax = max;
    m_nEngMin = min;
}

// Five digits and two decimals give "123.45"; more decimals than digits give "0." and the
// digits; a sign shows as a leading "-".
void CRegister::BuildPreview() {
    m_nDigits = std::min(m_nDigits, kMaxDigits);
    const auto digits = static_cast<std::size_t>(std::max(m_nDigits, 0));
    std::u16string preview(kSampleDigits.substr(0, digits));
    if (m_nDecimals > 0) {
        if (std::int64_t{m_nDigits} - m_nDecimals > 0)
            preview.insert(digits - static_cast<std::size_t>(m_nDecimals), u".");
        else
            preview.insert(0, u"0.");
    }
    if (m_bSigned || m_bFloat) preview.insert(0, u"-");
    m_strPreview = std::move(preview);
    m_bSizeValid = false;
}

}  // namespace tavelo
