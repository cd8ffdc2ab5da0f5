#include "Indicator.h"

#include "ElementSizing.h"
#include "PreviewPictures.h"
#include "StoredFields.h"
#include "model/Archive.h"
#include "model/FieldSink.h"

namespace tavelo {

CIndicator::CIndicator(const CRect& position) : CRectObj(position, kRectangle) {
    m_address.m_nUnitBytes = 1;
}

std::unique_ptr<CGraphObj> CIndicator::Clone() const {
    std::unique_ptr<CIndicator> copy(new CIndicator(*this));
    copy->m_nLampWidth = kLampDots;
    copy->m_nLampHeight = kLampDots;
    copy->m_nReserved = 0;
    copy->m_nShape = kRectangle;
    return copy;
}

void CIndicator::Serialize(CArchive& ar) {
    SerializeBase(ar);
    ar.Int32(m_nLampWidth);
    ar.Int32(m_nLampHeight);
    ar.Int32(m_nReserved);
    TransferByte(ar, m_nLampShape);
    TransferByte(ar, m_nLogic);
    ar.Int32(m_nLinearAddress);
    ar.Int32(m_nTypeIndex);
    m_address.Serialize(ar);
}

std::int32_t CIndicator::GetPreviewPicture() const {
    if (m_nLampShape == kRound)
        return m_nLogic == kPositive ? kRoundPositivePicture : kRoundNegativePicture;
    return m_nLogic == kPositive ? kSquarePositivePicture : kSquareNegativePicture;
}

void CIndicator::UpdateSize() {
    m_rcPosition = GrownFromTopLeft(m_rcPosition, CanvasExtent(m_nLampWidth, m_bDoubleSize),
                                    CanvasExtent(m_nLampHeight, m_bDoubleSize));
    m_bSizeValid = true;
}

void CIndicator::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    if (!m_bSizeValid) UpdateSize();
    ClampToCanvas();
    surface.DrawPicture(m_rcPosition, LoadPreviewPicture(GetPreviewPicture()), kBlack, kWhite);
}

void CIndicator::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Int("lampWidth", m_nLampWidth);
    sink.Int("lampHeight", m_nLampHeight);
    sink.Int("reserved", m_nReserved);
    sink.Int("lampShape", m_nLampShape);
    sink.Int("logic", m_nLogic);
    sink.Int("linearAddress", m_nLinearAddress);
    sink.Int("typeIndex", m_nTypeIndex);
    m_address.DescribeFields(sink, "address");
}

}  // namespace tavelo
