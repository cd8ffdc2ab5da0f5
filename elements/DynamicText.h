#pragma once
// A text chosen by the value of a PLC register: a table of (value, text) rows, the register's
// address and format, and the text attributes of the dot-matrix or vector kind. The canvas
// shows its first text in a box sized on its widest one.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ElementTexts.h"
#include "RectObj.h"
#include "TextStyle.h"
#include "model/RegisterUnit.h"

namespace tavelo {

class CDynamicText : public CRectObj {
public:
    static constexpr const char* kClassName = "CDynamicText";
    // A new element's table: 31 unused rows, then the default row.
    static constexpr std::size_t kTableRows = 32;

    CDynamicText() : CDynamicText(CRect{}) {}
    explicit CDynamicText(const CRect& position);

    std::unique_ptr<CGraphObj> Clone() const override;
    std::string GetClassName() const override { return kClassName; }
    // Its own fields first and the base part last, the rectangle also opening the body.
    void Serialize(CArchive& ar) override;
    void DescribeFields(CFieldSink& sink) const override;
    void Draw(const CElementView& view, CDrawSurface& surface) override;

    // The first text of greatest width (a unit of 128 or more counts two) into the widest-text
    // fields; the size is worked out again at the next draw.
    void FindWidestText();
    // Works out the box on the widest text; the top-left corner stays.
    void ComputeSize(CDrawSurface& surface);

    // Row i is (values[i], texts[i]). The lists of a damaged file may differ in length; rows
    // are then paired as far as both go.
    std::vector<std::u16string>& GetTextList() { return m_textList; }
    const std::vector<std::u16string>& GetTextList() const { return m_textList; }
    std::vector<std::u16string>& GetValueList() { return m_valueList; }
    const std::vector<std::u16string>& GetValueList() const { return m_valueList; }
    CRegisterUnit& GetAddress() { return m_address; }
    const CRegisterUnit& GetAddress() const { return m_address; }

    bool IsDecimal() const { return m_bDecimal != 0; }
    void SetDecimal(bool decimal) { m_bDecimal = decimal ? 1 : 0; }
    bool IsSigned() const { return m_bSigned != 0; }
    void SetSigned(bool isSigned) { m_bSigned = isSigned ? 1 : 0; }
    std::int32_t GetLinearAddress() const { return m_nLinearAddress; }
    void SetLinearAddress(std::int32_t address) { m_nLinearAddress = address; }
    std::int32_t GetMaxColumns() const { return m_nMaxColumns; }
    const std::u16string& GetFaceName() const { return m_strFaceName; }
    std::int32_t GetFontSize() const { return m_nFontSize; }
    bool IsVector() const { return m_bVector != 0; }
    void SetFaceName(std::u16string face);
    void SetFontSize(std::int32_t size);
    void SetVector(bool vector);

private:
    CDynamicText(const CDynamicText& other);
    // A list found empty gains the row ("0", "动态文本字符串") before anything shows it.
    void EnsureText();
    // Position of the first text of greatest width, and that width.
    std::pair<std::size_t, std::int64_t> WidestText() const;
    CTextStyle GetStyle() const;

    std::vector<std::u16string> m_textList;
    std::vector<std::u16string> m_valueList;
    CRegisterUnit m_address;
    std::int32_t m_bDecimal = 1;
    std::int32_t m_bSigned = 0;
    // The default row's length in characters until the first measurement.
    std::int32_t m_nMaxColumns = 5;
    std::int32_t m_nLongestIndex = 0;  // stored as one byte
    std::int32_t m_nReserved1 = 0;
    // Unused; a copy receives the widest row's index here.
    std::int32_t m_nReserved2 = 1;
    std::u16string m_strDefaultText = element_text::kDefaultDynamicText;
    std::int32_t m_nLinearAddress = 0;
    std::u16string m_strFaceName = element_text::kFaceSongTi;
    std::int32_t m_nFontSize = 12;
    std::int32_t m_bVector = 0;
};

}  // namespace tavelo
