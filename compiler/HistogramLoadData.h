#pragma once
// Encodes a bar graph (kind 7): format, size, scale, direction and address, and its poll entry.

#include "GraphFields.h"
#include "PolledLoadData.h"

namespace tavelo {

class CHistogramLoadData : public CPolledLoadData {
public:
    static constexpr std::uint8_t kRecordSize = 19;
    // The panel's direction numbers.
    static constexpr std::int32_t kUp = 0, kLeft = 1, kDown = 2, kRight = 3;

    CHistogramLoadData() : CPolledLoadData(kBarGraphRecord, kRecordSize) {}

    void Compute(const CTrendBar& graph);

    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }

    // The panel's number of an element's direction; a direction the element does not know
    // fills upwards, as the element's preview does.
    static std::int32_t PanelDirection(std::int32_t direction);

private:
    CGraphFields m_fields;
    std::int32_t m_nDirection = kUp;
};

}  // namespace tavelo
