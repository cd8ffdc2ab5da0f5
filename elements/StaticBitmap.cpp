#include "StaticBitmap.h"

#include <algorithm>

#include "ByteText.h"
#include "ElementSizing.h"
#include "PanelBitmap.h"
#include "model/Archive.h"
#include "model/DrawSurface.h"
#include "model/FieldSink.h"

namespace tavelo {

CStaticBitmap::CStaticBitmap() : CRectObj(CRect{}, kRectangle) {}

CStaticBitmap::CStaticBitmap(const CPanelBitmap& bitmap, std::u16string fileName)
    : CRectObj(CRect{0, 0, CanvasExtent(bitmap.m_nPixelWidth), CanvasExtent(bitmap.m_nPixelHeight)},
               kRectangle),
      m_strFileName(std::move(fileName)),
      m_nPixelWidth(bitmap.m_nPixelWidth),
      m_nPixelHeight(bitmap.m_nPixelHeight),
      m_rcImage{0, 0, bitmap.m_nPixelWidth, bitmap.m_nPixelHeight},
      m_strPanelBits(bitmap.GetPanelBitsText()),
      m_nWidth(bitmap.m_nWidth),
      m_nHeight(bitmap.m_nHeight),
      m_nByteCount(bitmap.GetByteCount()),
      m_strBits(bitmap.GetBitsText()) {}

std::unique_ptr<CGraphObj> CStaticBitmap::Clone() const {
    return std::unique_ptr<CGraphObj>(new CStaticBitmap(*this));
}

void CStaticBitmap::Serialize(CArchive& ar) {
    SerializeBase(ar);
    ar.String(m_strFileName);
    ar.Int32(m_nPixelWidth);
    ar.Int32(m_nPixelHeight);
    ar.String(m_strName);
    ar.Int32(m_nByteCount);
    ar.String(m_strPanelBits);
    ar.Int32(m_nWidth);
    ar.Int32(m_nHeight);
    ar.Int32(m_rcImage.left);
    ar.Int32(m_rcImage.top);
    ar.Int32(m_rcImage.right);
    ar.Int32(m_rcImage.bottom);
    ar.String(m_strBits);
}

void CStaticBitmap::MoveKeepingSize(ECorner corner, std::int32_t x, std::int32_t y) {
    m_rcPosition = MovedKeepingSize(m_rcPosition, corner, {x, y});
}

CMonoPicture CStaticBitmap::GetPreviewPicture() const {
    CMonoPicture picture;
    picture.m_nWidth = std::clamp(m_nPixelWidth, 0, kLargestPixelWidth);
    picture.m_nHeight = std::clamp(m_nPixelHeight, 0, kLargestPixelHeight);
    picture.m_dots.assign(
        static_cast<std::size_t>(picture.m_nWidth) * static_cast<std::size_t>(picture.m_nHeight),
        0);
    if (m_nWidth <= 0 || m_nHeight <= 0 || m_nByteCount <= 0) return picture;
    const std::vector<std::uint8_t> rows =
        DecodeByteText(m_strBits, static_cast<std::size_t>(m_nByteCount));
    const std::size_t rowLength = static_cast<std::size_t>(CPanelBitmap::RowLength(m_nWidth));
    const std::int32_t width = std::min(picture.m_nWidth, m_nWidth);
    const std::int32_t height = std::min(picture.m_nHeight, m_nHeight);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t index =
                static_cast<std::size_t>(y) * rowLength + static_cast<std::size_t>(x) / 8;
            if (index < rows.size() && !(rows[index] & (0x80u >> (x % 8))))
                picture.m_dots[static_cast<std::size_t>(y) *
                                   static_cast<std::size_t>(picture.m_nWidth) +
                               static_cast<std::size_t>(x)] = 1;
        }
    }
    return picture;
}

void CStaticBitmap::Draw(const CElementView& /*view*/, CDrawSurface& surface) {
    ClampToCanvas();
    surface.DrawPicture(m_rcPosition, GetPreviewPicture(), kBlack, kWhite);
}

void CStaticBitmap::DescribeFields(CFieldSink& sink) const {
    DescribeBaseFields(sink);
    sink.Text("fileName", m_strFileName);
    sink.Int("pixelWidth", m_nPixelWidth);
    sink.Int("pixelHeight", m_nPixelHeight);
    sink.Text("name", m_strName);
    sink.Int("byteCount", m_nByteCount);
    sink.Text("panelBits", m_strPanelBits);
    sink.Int("width", m_nWidth);
    sink.Int("height", m_nHeight);
    DescribeRect(sink, "image", m_rcImage);
    sink.Text("bits", m_strBits);
}

}  // namespace tavelo
