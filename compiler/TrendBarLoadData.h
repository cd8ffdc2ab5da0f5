#pragma once
// Encodes a trend graph (kind 6): format, size, scale, samples and interval, and the address;
// the panel polls it by itself, so it has no poll entry.

#include "GraphFields.h"

namespace tavelo {

class CTrendBarLoadData : public CGraphLoadDataBase {
public:
    static constexpr std::size_t kRecordSize = 21;

    CTrendBarLoadData() : CGraphLoadDataBase(kTrendGraphRecord) {}

    void Compute(const CTrendBar& graph);

    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }

private:
    CGraphFields m_fields;
    std::int32_t m_nPoints = 0;
    std::int32_t m_nInterval = 0;
};

}  // namespace tavelo
