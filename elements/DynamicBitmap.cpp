#include "DynamicBitmap.h"

#include "ElementSizing.h"
#include "PreviewPictures.h"
#include "StoredFields.h"
#include "model/Archive.h"
#include "model/DrawSurface.h"
#include "model/FieldSink.h"

namespace tavelo {

namespace {

struct CTypePicture {
    std::int32_t m_nType;
    std::int32_t m_nPicture;
};
constexpr CTypePicture kTypePictures[] = {
    {0, CDynamicBitmap::kGaugePicture}, {1, 2003}, {2, 2006}, {3, 2009}, {12, 2012}};

}  // namespace

CDynamicBitmap::CDynamicBitmap(const CRect& position) : CRectObj(position, kRectangle) {
    m_address.m_nUnitBytes = 1;
}

void CDynamicBitmap::Serialize(CArchive& ar) {
    SerializeBase(ar);
    for (std::uint8_t& byte : m_nReserved) ar.U8(byte);
    TransferByte(ar, m_nBitmapType);
    for (std::int32_t* value : {&m_nPicture, &m_nDotWidth, &m_nDotHeight, &m_bSized, &m_nLogic,
                                &m_nBitmapType2, &m_nLinearAddress, &m_nTypeIndex})
        ar.Int32(*value);
    m_address.Serialize(ar);
}

std::int32_t CDynamicBitmap::PictureOfType(std::int32_t type) const {
    for (const CTypePicture& entry : kTypePictures)
        if (entry.m_nType == type) return entry.m_nPicture;
    return m_nPicture;
}

void CDynamicBitmap::SetBitmapType(std::int32_t type) {
    m_nBitmapType = type;
    m_nPicture = PictureOfType(type);
}

void CDynamicBitmap::MoveKeepingSize(ECorner corner, std::int32_t x, std::int32_t y) {
    m_rcPosition = MovedKeepingSize(m_rcPosition, corner, {x, y});
}

// Always 16 x 16 dots: double size has no effect here.
void CDynamicBitmap::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    m_nPicture = PictureOfType(m_nBitmapType);
    if (!m_bSized) {
        m_rcPosition =
            GrownFromTopLeft(m_rcPosition, CanvasExtent(m_nDotWidth), CanvasExtent(m_nDotHeight));
        m_bSized = 1;
    }
    ClampToCanvas();
    const std::int32_t box = CanvasExtent(kDots);
    surface.DrawPicture(GrownFromTopLeft(m_rcPosition, box, box), LoadPreviewPicture(m_nPicture),
                        kBlack, kWhite);
}

void CDynamicBitmap::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Ints("reserved", std::vector<std::int64_t>(m_nReserved.begin(), m_nReserved.end()));
    sink.Int("bitmapType", m_nBitmapType);
    sink.Int("picture", m_nPicture);
    sink.Int("dotWidth", m_nDotWidth);
    sink.Int("dotHeight", m_nDotHeight);
    sink.Int("sized", m_bSized);
    sink.Int("logic", m_nLogic);
    sink.Int("bitmapType2", m_nBitmapType2);
    sink.Int("linearAddress", m_nLinearAddress);
    sink.Int("typeIndex", m_nTypeIndex);
    m_address.DescribeFields(sink, "address");
}

}  // namespace tavelo
