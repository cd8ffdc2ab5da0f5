#pragma once
// Encodes an indicator lamp (kind 5): size, the two lamp pictures in the order its logic
// shows them, the coil address, and its poll entry.

#include "PolledLoadData.h"

namespace tavelo {

class CImageLibraries;
class CIndicator;

class CIdicatorLoadData : public CPolledLoadData {
public:
    static constexpr std::uint8_t kRecordSize = 15;
    static constexpr std::int32_t kDoubleSizeLook = 2;

    CIdicatorLoadData() : CPolledLoadData(kIndicatorRecord, kRecordSize) {}

    void Compute(const CIndicator& lamp, const CImageLibraries& libraries);

    // x, y, look, first and second picture, four zero bytes, station, coil address, unit code.
    std::size_t WriteRecord(CImageCursor& out) const override;
    std::size_t GetRecordSize() const override { return kRecordSize; }

private:
    std::int32_t m_nLook = 0;
    std::int32_t m_nFirstPicture = 0;
    std::int32_t m_nSecondPicture = 0;
};

}  // namespace tavelo
