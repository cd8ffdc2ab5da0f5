#pragma once
// The eight element kinds that the project file stores in lists of their own, in file order,
// and the class name each kind is recognised by.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tavelo {

enum class EElementKind {
    DynamicTexts,
    DynamicBitmaps,
    FunctionKeys,
    Indicators,
    Registers,
    StaticTexts,
    TrendBars,
    StaticBitmaps,
};

inline constexpr std::size_t kElementKindCount = 8;

// The kinds in the order of their lists in the project file.
inline constexpr std::array<EElementKind, kElementKindCount> kFileKindOrder = {
    EElementKind::DynamicTexts, EElementKind::DynamicBitmaps, EElementKind::FunctionKeys,
    EElementKind::Indicators,   EElementKind::Registers,      EElementKind::StaticTexts,
    EElementKind::TrendBars,    EElementKind::StaticBitmaps,
};

// The order in which a read project's element list is rebuilt from the kind lists, which is
// its drawing order.
inline constexpr std::array<EElementKind, kElementKindCount> kDrawingKindOrder = {
    EElementKind::StaticTexts,  EElementKind::DynamicBitmaps, EElementKind::DynamicTexts,
    EElementKind::FunctionKeys, EElementKind::Indicators,     EElementKind::Registers,
    EElementKind::TrendBars,    EElementKind::StaticBitmaps,
};

const char* KindClassName(EElementKind kind);
// None for lines, rectangles, screens and any other class.
std::optional<EElementKind> KindOfClassName(std::string_view className);

}  // namespace tavelo
