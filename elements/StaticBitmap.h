#pragma once
// The static bitmap ("单色静态位图"): a monochrome picture imported from a BMP file, shown at one
// dot per pixel and kept inside the element as text-encoded bytes, row by row for the preview
// and in the panel's column-byte layout for the download.

#include <cstdint>
#include <memory>
#include <string>

#include "RectObj.h"
#include "model/MonoPicture.h"

namespace tavelo {

class CPanelBitmap;

class CStaticBitmap : public CRectObj {
public:
    static constexpr const char* kClassName = "CStaticBitmap";
    // The largest picture that rounds to at most 192 x 64; previews of damaged elements are
    // cut there.
    static constexpr std::int32_t kLargestPixelWidth = 195;
    static constexpr std::int32_t kLargestPixelHeight = 67;

    // Empty, for reading.
    CStaticBitmap();
    // An imported picture at the canvas origin, one dot per pixel; the tool then moves it.
    CStaticBitmap(const CPanelBitmap& bitmap, std::u16string fileName);

    std::unique_ptr<CGraphObj> Clone() const override;
    void Serialize(CArchive& ar) override;
    std::string GetClassName() const override { return kClassName; }
    // The picture's extent (0, 0, pixel width, pixel height), not the canvas rectangle.
    CRect GetPosition() const override { return m_rcImage; }
    void Draw(const CElementView& view, CDrawSurface& surface) override;
    void DescribeFields(CFieldSink& sink) const override;

    // Corner 1 moves the whole element to the point, corner 2 sets the bottom-right corner.
    void MoveKeepingSize(ECorner corner, std::int32_t x, std::int32_t y);

    // The stored rows decoded into the picture's pixels: a dot where a bit is 0, paper
    // wherever the stored bytes do not reach.
    CMonoPicture GetPreviewPicture() const;

    const std::u16string& GetFileName() const { return m_strFileName; }
    std::int32_t GetPixelWidth() const { return m_nPixelWidth; }
    std::int32_t GetPixelHeight() const { return m_nPixelHeight; }
    std::int32_t GetWidth() const { return m_nWidth; }
    std::int32_t GetHeight() const { return m_nHeight; }
    std::int32_t GetByteCount() const { return m_nByteCount; }
    const std::u16string& GetBits() const { return m_strBits; }
    const std::u16string& GetPanelBits() const { return m_strPanelBits; }

private:
    CStaticBitmap(const CStaticBitmap& other) = default;

    std::u16string m_strFileName;
    std::int32_t m_nPixelWidth = 0;
    std::int32_t m_nPixelHeight = 0;
    std::u16string m_strName;
    CRect m_rcImage;
    std::u16string m_strPanelBits;
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::int32_t m_nByteCount = 0;
    std::u16string m_strBits;
};

}  // namespace tavelo
