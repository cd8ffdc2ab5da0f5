#include "IdicatorLoadData.h"

#include <utility>

#include "ImageLibraries.h"
#include "elements/Indicator.h"

namespace tavelo {

void CIdicatorLoadData::Compute(const CIndicator& lamp, const CImageLibraries& libraries) {
    SetPosition(lamp);
    m_nLook = lamp.GetDoubleSize() != 0 ? kDoubleSizeLook : 0;
    // Any shape or logic but the first counts as the second, as the preview takes them.
    const bool square = lamp.GetLampShape() != CIndicator::kRound;
    m_nFirstPicture = libraries.GetGraphicCode(square ? CGraphicsLibrary::kSquareLamp
                                                      : CGraphicsLibrary::kRoundLamp);
    m_nSecondPicture = libraries.GetGraphicCode(square ? CGraphicsLibrary::kSquareLampLit
                                                       : CGraphicsLibrary::kRoundLampLit);
    if (lamp.GetLogic() != CIndicator::kPositive) std::swap(m_nFirstPicture, m_nSecondPicture);
    SetPollAddress(CPlcAddress::Of(lamp.GetAddress()), lamp.GetLinearAddress());
}

std::size_t CIdicatorLoadData::WriteRecord(CImageCursor& out) const {
    const std::size_t start = out.GetCount();
    const CPlcAddress& address = GetAddress();
    PutPosition(out);
    out.Put8(m_nLook);
    out.Put16(m_nFirstPicture);
    out.Put16(m_nSecondPicture);
    out.Put32(0);
    out.Put8(address.m_nStation);
    out.Put16(GetPollAddress());
    out.Put8(address.m_nUnitCode);
    return out.GetCount() - start;
}

}  // namespace tavelo
