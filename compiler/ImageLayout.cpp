#include "ImageLayout.h"

namespace tavelo {

std::string_view ImageAreaName(EImageArea area) {
    static constexpr std::array<std::string_view, kImageAreaCount> kNames = {
        "header",         "systemBlock", "wideGlyphs",   "narrowGlyphs",   "staticBitmaps",
        "dynamicBitmaps", "screenTable", "elementIndex", "elementRecords", "keyTables",
        "pollTables",     "alarmIndex",  "alarmTexts",   "padding",
    };
    return kNames[static_cast<std::size_t>(area)];
}

std::size_t ImageUnitsFor(std::size_t length) {
    return (length + kImageUnitSize - 1) / kImageUnitSize;
}

}  // namespace tavelo
