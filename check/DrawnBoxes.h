#pragma once
// How far each element reaches on the panel: its record of the compiled image drawn alone by
// the emulator's renderer, in dots, including what the display's edge cuts off.

#include <vector>

#include "model/Geometry.h"

namespace tavelo {

class CGraphObj;
class CTaveloDoc;
struct CDownloadImage;

struct CDrawnElement {
    const CGraphObj* m_pElement = nullptr;
    // Right and bottom exclusive.
    CRect m_rcBox;
};

// In element order; elements that draw nothing (or have no record) are left out.
std::vector<CDrawnElement> MeasureDrawnElements(const CTaveloDoc& doc, const CDownloadImage& image);

}  // namespace tavelo
