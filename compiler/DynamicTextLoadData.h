#pragma once
// Encodes a dynamic text (kind 8): look, row count, width, address, then a row table (value,
// text offset, text length) and the row texts as character codes; and its poll entry.

#include <string>
#include <vector>

#include "PolledLoadData.h"

namespace tavelo {

class CDynamicText;
class CImageLibraries;

class CDynamicTextLoadData : public CPolledLoadData {
public:
    static constexpr std::uint8_t kFixedSize = 11;
    static constexpr std::size_t kRowSize = 5;

    CDynamicTextLoadData() : CPolledLoadData(kDynamicTextRecord, kFixedSize) {}

    // Lists of different lengths add "动态文本数据出错" to notes and pair rows as far as both
    // go. Throws CCompileError when a count outgrows its byte.
    void Compute(const CDynamicText& text, const CImageLibraries& libraries,
                 std::vector<std::u16string>& notes);

    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override;

    // A value text as the panel's 16-bit value: leading blanks, a sign and the digits that
    // follow, as the panel tool has always read them (no digits give 0).
    static std::int32_t RowValue(std::u16string_view text);
    // Bits 2 and 3 of the look: 3, 2 and 1 for vector sizes 12, 14 and 16; 0 otherwise.
    static std::int32_t VectorSizeClass(std::int32_t size);

private:
    struct CRow {
        std::int32_t m_nValue;
        std::vector<std::uint8_t> m_codes;
    };

    std::int32_t m_nLook = 0;
    std::int32_t m_nMaxColumns = 0;
    std::vector<CRow> m_rows;
};

}  // namespace tavelo
