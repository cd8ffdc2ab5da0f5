#include "ElementKind.h"

namespace tavelo {

namespace {

// Indexed by the kind's value.
constexpr std::array<const char*, kElementKindCount> kKindClassNames = {
    "CDynamicText", "CDynamicBitmap", "CFunctionKey", "CIndicator",
    "CRegister",    "CStaticText",    "CTrendBar",    "CStaticBitmap",
};

}  // namespace

const char* KindClassName(EElementKind kind) {
    return kKindClassNames[static_cast<std::size_t>(kind)];
}

std::optional<EElementKind> KindOfClassName(std::string_view className) {
    for (std::size_t i = 0; i < kElementKindCount; ++i)
        if (className == kKindClassNames[i]) return static_cast<EElementKind>(i);
    return std::nullopt;
}

}  // namespace tavelo
