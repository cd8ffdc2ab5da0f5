#pragma once
// Encodes a static text (kind 1): position, look, and its text as character codes.

#include <vector>

#include "GraphLoadDataBase.h"

namespace tavelo {

class CImageLibraries;
class CStaticText;

class CStaticTextLoadData : public CGraphLoadDataBase {
public:
    static constexpr std::size_t kFixedSize = 4;

    CStaticTextLoadData() : CGraphLoadDataBase(kStaticTextRecord) {}

    // Throws CCompileError when the codes outgrow their one-byte count.
    void Compute(const CStaticText& text, const CImageLibraries& libraries);

    // x, y, look (bit 0 inverse, bit 1 double size), code byte count, codes.
    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kFixedSize + m_codes.size(); }

private:
    std::int32_t m_nLook = 0;
    std::vector<std::uint8_t> m_codes;
};

}  // namespace tavelo
