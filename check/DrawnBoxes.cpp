#include "DrawnBoxes.h"

#include <optional>

#include "ElementNames.h"
#include "compiler/CompileOutcome.h"
#include "compiler/ElementCast.h"
#include "compiler/GraphLoadDataBase.h"
#include "compiler/ImageRecordLayouts.h"
#include "elements/TrendBar.h"
#include "emulator/LcdFrame.h"
#include "emulator/PanelImage.h"
#include "emulator/ScreenRenderer.h"
#include "emulator/VirtualPlc.h"
#include "model/ElementKind.h"
#include "model/TaveloDoc.h"

namespace tavelo {

namespace {

// Records keep their coordinates in one byte each.
constexpr std::int32_t kCoordinateMask = 0xFF;

std::optional<std::uint8_t> RecordKindOf(const CGraphObj& element) {
    const std::optional<EElementKind> kind = KindOfClassName(element.GetClassName());
    if (!kind) return std::nullopt;
    switch (*kind) {
        case EElementKind::StaticTexts:
            return kStaticTextRecord;
        case EElementKind::FunctionKeys:
            return kFunctionKeyRecord;
        case EElementKind::StaticBitmaps:
            return kStaticBitmapRecord;
        case EElementKind::Registers:
            return kRegisterRecord;
        case EElementKind::Indicators:
            return kIndicatorRecord;
        case EElementKind::DynamicTexts:
            return kDynamicTextRecord;
        case EElementKind::DynamicBitmaps:
            return kDynamicBitmapRecord;
        case EElementKind::TrendBars:
            break;
    }
    const auto* graph = ElementAs<CTrendBar>(element);
    return graph && graph->IsTrendGraph() ? kTrendGraphRecord : kBarGraphRecord;
}

// The first record of the screen not yet taken with the element's kind and corner.
const CImageRecord* TakeRecord(const CImageScreen& screen, const CGraphObj& element,
                               std::vector<bool>& taken) {
    const std::optional<std::uint8_t> kind = RecordKindOf(element);
    if (!kind) return nullptr;
    const CPoint dots = ElementDots(element);
    for (std::size_t i = 0; i < screen.m_elements.size(); ++i) {
        const CImageRecord& record = screen.m_elements[i];
        if (taken[i] || record.m_strKind != RecordKindName(*kind) ||
            record.Value("x") != (dots.x & kCoordinateMask) ||
            record.Value("y") != (dots.y & kCoordinateMask))
            continue;
        taken[i] = true;
        return &record;
    }
    return nullptr;
}

}  // namespace

std::vector<CDrawnElement> MeasureDrawnElements(const CTaveloDoc& doc,
                                                const CDownloadImage& image) {
    std::vector<CDrawnElement> drawn;
    const CPanelImage panel = CPanelImage::Load(image.m_bytes);
    if (!panel.IsLoaded()) return drawn;
    const CScreenRenderer renderer(panel);
    const CVirtualPlc zeros;
    CLcdFrame frame;
    for (const auto& screen : doc.GetScreens()) {
        const CImageScreen* records = panel.FindScreen(screen->GetNumber());
        if (!records) continue;
        std::vector<bool> taken(records->m_elements.size(), false);
        for (const auto& element : doc.GetElements()) {
            if (element->m_nScreenNo != screen->GetNumber()) continue;
            const CImageRecord* record = TakeRecord(*records, *element, taken);
            if (!record) continue;
            frame.Clear();
            renderer.RenderRecord(*record, zeros, frame);
            if (const std::optional<CRect> box = frame.GetDrawnBox())
                drawn.push_back({element.get(), *box});
        }
    }
    return drawn;
}

}  // namespace tavelo
