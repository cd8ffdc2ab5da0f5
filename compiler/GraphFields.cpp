#include "GraphFields.h"

#include "elements/TrendBar.h"

namespace tavelo {

namespace {

constexpr std::int32_t kFloatFormat = 0xB0;
constexpr std::int32_t kSignedDecimalFormat = 0x30;
constexpr std::int32_t kDecimalFormat = 0x20;
constexpr std::int32_t kDecimalsMask = 0x0F;

std::int32_t FormatOf(const CTrendBar& graph) {
    if (graph.IsFloat()) return kFloatFormat;
    if (!graph.IsDecimal()) return 0;
    return graph.IsSigned() ? kSignedDecimalFormat : kDecimalFormat;
}

}  // namespace

CGraphFields CGraphFields::Of(const CTrendBar& graph) {
    CGraphFields fields;
    // The decimals keep to their four bits, so a damaged count never changes the format bits.
    fields.m_nAttributes = FormatOf(graph) | (graph.GetDecimals() & kDecimalsMask);
    fields.m_nWidth = graph.GetWidth();
    fields.m_nHeight = graph.GetHeight();
    fields.m_nZeroScale = graph.GetZeroScale();
    fields.m_nFullScale = graph.GetFullScale();
    fields.m_address = CPlcAddress::Of(graph.GetAddress());
    fields.m_nLinearAddress = graph.GetLinearAddress();
    return fields;
}

void CGraphFields::PutScale(CImageCursor& out) const {
    out.Put8(m_nAttributes);
    out.Put8(m_nWidth);
    out.Put8(m_nHeight);
    out.Put32(m_nZeroScale);
    out.Put32(m_nFullScale);
}

void CGraphFields::PutAddress(CImageCursor& out) const {
    out.Put8(m_address.m_nStation);
    out.Put16(m_nLinearAddress);
    out.Put8(m_address.m_nUnitCode);
    out.Put8(m_address.m_nByteCount);
}

}  // namespace tavelo
