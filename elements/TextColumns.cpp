#include "TextColumns.h"

#include "FontDialogForm.h"
#include "PanelCoordinates.h"
#include "model/GraphObj.h"

namespace tavelo {

std::u16string CutToColumns(std::u16string_view text, std::int64_t limit) {
    std::int64_t columns = 0;
    std::size_t end = 0;
    for (; end < text.size(); ++end) {
        columns += UnitColumns(text[end]);
        if (columns > limit) break;
    }
    if (end < text.size() && end > 0 && IsHighSurrogate(text[end - 1])) --end;
    return std::u16string(text.substr(0, end));
}

std::int64_t DotMatrixColumnLimit(bool doubleSize) {
    return doubleSize ? kDoubleSizeColumns : kDotMatrixColumns;
}

std::int64_t VectorGlyphsPerLine(std::int32_t fontSize) {
    const auto glyphs = [](double size) {
        return static_cast<std::int64_t>(CGraphObj::kCanvasWidth / (size * kCanvasUnitsPerDot));
    };
    if (fontSize > 0 && glyphs(fontSize) >= 1) return glyphs(fontSize);
    const std::int32_t checked = CFontDialogForm::CheckedSize(fontSize);
    return glyphs(checked < 0 ? -checked : checked);
}

}  // namespace tavelo
