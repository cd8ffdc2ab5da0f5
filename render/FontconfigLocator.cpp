#include "FontconfigLocator.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <memory>

#include "GlyphError.h"

namespace tavelo {

namespace {

struct SPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, SPatternDeleter>;

bool HasFamily(const FcPattern* pattern, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0) return true;
    return false;
}

}  // namespace

CFontconfigLocator::CFontconfigLocator() : m_pConfig(FcInitLoadConfigAndFonts()) {
    if (!m_pConfig) throw CGlyphError({}, "fontconfig cannot load its configuration");
}

CFontconfigLocator::~CFontconfigLocator() {
    FcConfigDestroy(m_pConfig);
}

std::optional<CFaceFile> CFontconfigLocator::Find(const std::string& familyUtf8) const {
    PatternPtr request(FcPatternCreate());
    if (!request) return {};
    FcPatternAddString(request.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(familyUtf8.c_str()));
    FcConfigSubstitute(m_pConfig, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(m_pConfig, request.get(), &result));
    FcChar8* file = nullptr;
    if (!match || !HasFamily(match.get(), familyUtf8) ||
        FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
        return {};
    CFaceFile face{reinterpret_cast<const char*>(file), 0};
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &face.m_nIndex);
    return face;
}

}  // namespace tavelo
