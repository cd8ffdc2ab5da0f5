#include "StaticText.h"

#include "ElementSizing.h"
#include "model/Archive.h"
#include "model/FieldSink.h"

namespace tavelo {

std::unique_ptr<CGraphObj> CStaticText::Clone() const {
    return std::unique_ptr<CGraphObj>(new CStaticText(*this));
}

void CStaticText::Serialize(CArchive& ar) {
    SerializeBase(ar);
    ar.Int32(m_nCharHeight);
    ar.Int32(m_nCharWidth);
    ar.String(m_strText);
    ar.String(m_strFaceName);
    ar.Int32(m_nFontSize);
    ar.Int32(m_bVector);
}

void CStaticText::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Int("charHeight", m_nCharHeight);
    sink.Int("charWidth", m_nCharWidth);
    sink.Text("text", m_strText);
    sink.Text("faceName", m_strFaceName);
    sink.Int("fontSize", m_nFontSize);
    sink.Int("vector", m_bVector);
}

CTextStyle CStaticText::GetStyle() const {
    return {IsVector(), m_strFaceName, m_nFontSize, m_nCharWidth, m_nCharHeight};
}

void CStaticText::ComputeSize(CDrawSurface& surface) {
    const CSize box = GetStyle().MeasureBox(surface, m_strText, m_bDoubleSize != 0);
    m_rcPosition = GrownFromTopLeft(m_rcPosition, box.cx, box.cy);
    m_bSizeValid = true;
}

void CStaticText::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    if (!m_bSizeValid) ComputeSize(surface);
    ClampToCanvas();
    surface.DrawText(m_rcPosition.TopLeft(), m_strText,
                     GetStyle().DrawingFont(m_rcPosition.Height()), TextInk(m_bInverse != 0),
                     TextPaper(m_bInverse != 0));
}

void CStaticText::SetText(std::u16string text) {
    m_strText = std::move(text);
    m_bSizeValid = false;
}

void CStaticText::SetFaceName(std::u16string face) {
    m_strFaceName = std::move(face);
    m_bSizeValid = false;
}

void CStaticText::SetFontSize(std::int32_t size) {
    m_nFontSize = size;
    m_bSizeValid = false;
}

void CStaticText::SetVector(bool vector) {
    m_bVector = vector ? 1 : 0;
    m_bSizeValid = false;
}

}  // namespace tavelo
