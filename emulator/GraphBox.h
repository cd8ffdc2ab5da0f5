#pragma once
// The box a bar or trend graph record draws in, in dots.

#include <cstdint>

#include "compiler/ImageContents.h"

namespace tavelo {

struct CGraphBox {
    std::int32_t m_nX = 0;
    std::int32_t m_nY = 0;
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;

    static CGraphBox FromRecord(const CImageRecord& record) {
        return {static_cast<std::int32_t>(record.Value("x")),
                static_cast<std::int32_t>(record.Value("y")),
                static_cast<std::int32_t>(record.Value("width")),
                static_cast<std::int32_t>(record.Value("height"))};
    }
};

}  // namespace tavelo
