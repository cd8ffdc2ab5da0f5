#include "TrendBarLoadData.h"

#include "elements/TrendBar.h"

namespace tavelo {

void CTrendBarLoadData::Compute(const CTrendBar& graph) {
    SetPosition(graph);
    m_fields = CGraphFields::Of(graph);
    m_nPoints = graph.GetPoints();
    m_nInterval = graph.GetInterval();
}

std::size_t CTrendBarLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    PutPosition(out);
    m_fields.PutScale(out);
    out.Put8(m_nPoints);
    out.Put16(m_nInterval);
    m_fields.PutAddress(out);
    return out.GetCount() - start;
}

}  // namespace tavelo
