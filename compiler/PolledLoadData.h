#pragma once
// Base of the encoders whose element the panel polls (registers, indicators, bar graphs,
// dynamic texts): each adds one 10-byte entry to its screen's poll table.

#include "GraphLoadDataBase.h"

namespace tavelo {

class CPolledLoadData : public CGraphLoadDataBase {
public:
    static constexpr std::uint8_t kPollMarker = 0x10;

    // 0x10, station, address, unit code, byte count, kind, record offset, fixed record length.
    std::size_t WriteTableEntry(CImageCursor& out) const override;
    ETable GetTable() const override { return ETable::Poll; }

protected:
    // fixedLength is the record length the panel expects of the kind; a dynamic text's record
    // is longer by its rows and texts.
    CPolledLoadData(std::uint8_t kind, std::uint8_t fixedLength)
        : CGraphLoadDataBase(kind), m_nFixedLength(fixedLength) {}

    // The address fields of the element and the address the panel polls.
    void SetPollAddress(const CPlcAddress& address, std::int32_t pollAddress);
    const CPlcAddress& GetAddress() const { return m_address; }
    std::int32_t GetPollAddress() const { return m_nPollAddress; }

private:
    std::uint8_t m_nFixedLength;
    CPlcAddress m_address;
    std::int32_t m_nPollAddress = 0;
};

}  // namespace tavelo
