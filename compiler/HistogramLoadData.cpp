#include "HistogramLoadData.h"

#include "elements/TrendBar.h"

namespace tavelo {

std::int32_t CHistogramLoadData::PanelDirection(std::int32_t direction) {
    switch (direction) {
        case CTrendBar::kDown:
            return kDown;
        case CTrendBar::kLeft:
            return kLeft;
        case CTrendBar::kRight:
            return kRight;
        default:
            return kUp;
    }
}

void CHistogramLoadData::Compute(const CTrendBar& graph) {
    SetPosition(graph);
    m_fields = CGraphFields::Of(graph);
    m_nDirection = PanelDirection(graph.GetDirection());
    SetPollAddress(m_fields.m_address, m_fields.m_nLinearAddress);
}

std::size_t CHistogramLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    PutPosition(out);
    m_fields.PutScale(out);
    out.Put8(m_nDirection);
    m_fields.PutAddress(out);
    return out.GetCount() - start;
}

}  // namespace tavelo
