#pragma once
// The fixed text label of a screen, in the panel's dot-matrix font or, as vector text, in a
// TrueType face rasterised at download; it sizes its box from its string.

#include <cstdint>
#include <memory>
#include <string>

#include "ElementTexts.h"
#include "RectObj.h"
#include "TextStyle.h"

namespace tavelo {

class CStaticText : public CRectObj {
public:
    static constexpr const char* kClassName = "CStaticText";

    CStaticText() : CStaticText(CRect{}) {}
    explicit CStaticText(const CRect& position) : CRectObj(position, kRectangle) {}

    std::unique_ptr<CGraphObj> Clone() const override;
    std::string GetClassName() const override { return kClassName; }
    // The base part, then cell height and width, text, face, font size and vector flag; the
    // shape byte is not stored.
    void Serialize(CArchive& ar) override;
    void DescribeFields(CFieldSink& sink) const override;
    void Draw(const CElementView& view, CDrawSurface& surface) override;

    // Works out the box from the string; the top-left corner stays.
    void ComputeSize(CDrawSurface& surface);

    const std::u16string& GetText() const { return m_strText; }
    void SetText(std::u16string text);
    const std::u16string& GetFaceName() const { return m_strFaceName; }
    std::int32_t GetFontSize() const { return m_nFontSize; }
    bool IsVector() const { return m_bVector != 0; }
    // Each changes the box, so the size is worked out again at the next draw.
    void SetFaceName(std::u16string face);
    void SetFontSize(std::int32_t size);
    void SetVector(bool vector);

private:
    CStaticText(const CStaticText& other) = default;
    CTextStyle GetStyle() const;

    std::int32_t m_nCharHeight = CTextStyle::kCellHeight;
    std::int32_t m_nCharWidth = CTextStyle::kCellWidth;
    std::u16string m_strText = element_text::kDefaultStaticText;
    std::u16string m_strFaceName = element_text::kFaceSongTi;
    std::int32_t m_nFontSize = 12;
    // Stored as int32 and kept as read.
    std::int32_t m_bVector = 0;
};

}  // namespace tavelo
