#include "PlacementCheck.h"

#include "CheckMessages.h"
#include "ElementNames.h"
#include "FindingCodes.h"
#include "FindingList.h"
#include "emulator/LcdFrame.h"
#include "model/GraphObj.h"
#include "model/TextFormat.h"

namespace tavelo {

namespace cm = check_messages;

void CheckPlacement(const std::vector<CDrawnElement>& drawn, CFindingList& findings) {
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const CDrawnElement& element = drawn[i];
        const CRect& box = element.m_rcBox;
        if (box.right > CLcdFrame::kWidth || box.bottom > CLcdFrame::kHeight)
            findings.AddElement(
                ESeverity::Warning, finding_code::kOffDisplay, *element.m_pElement,
                CComposedMessage(FormatMessage(cm::kOffDisplay, box.right, box.bottom,
                                               CLcdFrame::kWidth, CLcdFrame::kHeight)));
        // Each pair once, reported at the later element, which is drawn over the earlier.
        for (std::size_t j = 0; j < i; ++j) {
            const CDrawnElement& earlier = drawn[j];
            if (earlier.m_pElement->m_nScreenNo != element.m_pElement->m_nScreenNo ||
                !earlier.m_rcBox.Intersects(box))
                continue;
            const CPoint at = ElementDots(*earlier.m_pElement);
            findings.AddElement(ESeverity::Warning, finding_code::kOverlap, *element.m_pElement,
                                CComposedMessage(FormatMessage(cm::kOverlap, at.x, at.y))
                                    .Add(ElementKindName(*earlier.m_pElement))
                                    .Add(cm::kOverlapEnd));
        }
    }
}

}  // namespace tavelo
