#pragma once
// The fields that trend graphs and bar graphs share in their records.

#include <cstdint>

#include "GraphLoadDataBase.h"

namespace tavelo {

class CTrendBar;

struct CGraphFields {
    // Float: 0xB0; else 0x30 decimal and signed, 0x20 decimal, 0 HEX/BCD; plus the decimals.
    std::int32_t m_nAttributes = 0;
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::int32_t m_nZeroScale = 0;
    std::int32_t m_nFullScale = 0;
    CPlcAddress m_address;
    std::int32_t m_nLinearAddress = 0;

    static CGraphFields Of(const CTrendBar& graph);
    // Attribute byte, width, height, zero scale, full scale: record bytes 2 to 12.
    void PutScale(CImageCursor& out) const;
    // Station, linear address, unit code, byte count: the last bytes of both graph records.
    void PutAddress(CImageCursor& out) const;
};

}  // namespace tavelo
