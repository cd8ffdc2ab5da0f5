#include "PolledLoadData.h"

namespace tavelo {

void CPolledLoadData::SetPollAddress(const CPlcAddress& address, std::int32_t pollAddress) {
    m_address = address;
    m_nPollAddress = pollAddress;
}

std::size_t CPolledLoadData::WriteTableEntry(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    out.Put8(kPollMarker);
    out.Put8(m_address.m_nStation);
    out.Put16(m_nPollAddress);
    out.Put8(m_address.m_nUnitCode);
    out.Put8(m_address.m_nByteCount);
    out.Put8(GetKind());
    out.Put16(static_cast<std::int64_t>(GetOffset()));
    out.Put8(m_nFixedLength);
    return out.GetCount() - start;
}

}  // namespace tavelo
