#include "DynamicText.h"

#include "ElementSizing.h"
#include "StoredFields.h"
#include "TextColumns.h"
#include "model/Archive.h"
#include "model/FieldSink.h"

namespace tavelo {

namespace {

// Unit type 1 of one byte, until the panel sets the record from the current PLC type.
CRegisterUnit DefaultAddress() {
    CRegisterUnit address;
    address.m_nUnitType = 1;
    address.m_nUnitBytes = 1;
    return address;
}

}  // namespace

CDynamicText::CDynamicText(const CRect& position)
    : CRectObj(position, kRectangle),
      m_textList(kTableRows - 1),
      m_valueList(kTableRows - 1),
      m_address(DefaultAddress()) {
    m_valueList.emplace_back(element_text::kDefaultRowValue);
    m_textList.push_back(m_strDefaultText);
}

CDynamicText::CDynamicText(const CDynamicText& other)
    : CRectObj(other),
      m_textList(other.m_textList),
      m_valueList(other.m_valueList),
      m_address(other.m_address),
      m_bDecimal(other.m_bDecimal),
      m_bSigned(other.m_bSigned),
      m_nLinearAddress(other.m_nLinearAddress),
      m_strFaceName(other.m_strFaceName),
      m_nFontSize(other.m_nFontSize),
      m_bVector(other.m_bVector) {
    const auto [index, width] = other.WidestText();
    m_nMaxColumns = static_cast<std::int32_t>(width);
    m_nReserved2 = static_cast<std::int32_t>(index);
}

std::unique_ptr<CGraphObj> CDynamicText::Clone() const {
    return std::unique_ptr<CGraphObj>(new CDynamicText(*this));
}

void CDynamicText::Serialize(CArchive& ar) {
    ar.Int32(m_rcPosition.left);
    ar.Int32(m_rcPosition.top);
    ar.Int32(m_rcPosition.right);
    ar.Int32(m_rcPosition.bottom);
    ar.Int32(m_bDecimal);
    ar.Int32(m_bSigned);
    ar.Int32(m_nMaxColumns);
    TransferByte(ar, m_nLongestIndex);
    ar.Int32(m_nReserved1);
    ar.Int32(m_nReserved2);
    ar.Int32(m_nLinearAddress);
    ar.String(m_strFaceName);
    ar.Int32(m_nFontSize);
    ar.Int32(m_bVector);
    m_address.Serialize(ar);
    ar.StringList(m_textList);
    ar.StringList(m_valueList);
    SerializeBase(ar);
}

void CDynamicText::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Int("decimal", m_bDecimal);
    sink.Int("signed", m_bSigned);
    sink.Int("maxColumns", m_nMaxColumns);
    sink.Int("longestIndex", m_nLongestIndex);
    sink.Int("reserved1", m_nReserved1);
    sink.Int("reserved2", m_nReserved2);
    sink.Int("linearAddress", m_nLinearAddress);
    sink.Text("faceName", m_strFaceName);
    sink.Int("fontSize", m_nFontSize);
    sink.Int("vector", m_bVector);
    m_address.DescribeFields(sink, "address");
    sink.Texts("textList", m_textList);
    sink.Texts("valueList", m_valueList);
}

std::pair<std::size_t, std::int64_t> CDynamicText::WidestText() const {
    std::size_t index = 0;
    std::int64_t widest = -1;
    for (std::size_t i = 0; i < m_textList.size(); ++i) {
        const std::int64_t width = TextColumns(m_textList[i]);
        if (width > widest) {
            widest = width;
            index = i;
        }
    }
    return {index, widest < 0 ? 0 : widest};
}

void CDynamicText::EnsureText() {
    if (!m_textList.empty()) return;
    m_valueList.emplace_back(element_text::kDefaultRowValue);
    m_textList.emplace_back(element_text::kEmptyListDynamicText);
}

void CDynamicText::FindWidestText() {
    EnsureText();
    const auto [index, width] = WidestText();
    m_nLongestIndex = static_cast<std::int32_t>(index);
    m_nMaxColumns = static_cast<std::int32_t>(width);
    m_bSizeValid = false;
}

CTextStyle CDynamicText::GetStyle() const {
    CTextStyle style;
    style.m_bVector = IsVector();
    style.m_strFaceName = m_strFaceName;
    style.m_nFontSize = m_nFontSize;
    return style;
}

void CDynamicText::ComputeSize(CDrawSurface& surface) {
    FindWidestText();
    const std::u16string& widest = m_textList[static_cast<std::size_t>(m_nLongestIndex)];
    const CSize box = GetStyle().MeasureBox(surface, widest, m_bDoubleSize != 0);
    m_rcPosition = GrownFromTopLeft(m_rcPosition, box.cx, box.cy);
    m_bSizeValid = true;
}

void CDynamicText::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    EnsureText();
    if (!m_bSizeValid) ComputeSize(surface);
    ClampToCanvas();
    const bool inverse = m_bInverse != 0;
    surface.FillRectangle(m_rcPosition, TextPaper(inverse));
    surface.DrawText(m_rcPosition.TopLeft(), m_textList.front(),
                     GetStyle().DrawingFont(m_rcPosition.Height()), TextInk(inverse),
                     TextPaper(inverse));
}

void CDynamicText::SetFaceName(std::u16string face) {
    m_strFaceName = std::move(face);
    m_bSizeValid = false;
}

void CDynamicText::SetFontSize(std::int32_t size) {
    m_nFontSize = size;
    m_bSizeValid = false;
}

void CDynamicText::SetVector(bool vector) {
    m_bVector = vector ? 1 : 0;
    m_bSizeValid = false;
}

}  // namespace tavelo
