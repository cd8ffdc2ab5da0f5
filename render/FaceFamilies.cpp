#include "FaceFamilies.h"

namespace tavelo {

namespace {

struct SFaceFamily {
    std::u16string_view m_strFaceName;
    std::u16string_view m_strFamily;
};

constexpr SFaceFamily kFaceFamilies[] = {
    {kSongFaceName, u"AR PL UMing CN"},
    {kKaiFaceName, u"AR PL UKai CN"},
};

}  // namespace

std::u16string GetInstalledFamily(std::u16string_view faceName) {
    for (const SFaceFamily& entry : kFaceFamilies)
        if (entry.m_strFaceName == faceName) return std::u16string(entry.m_strFamily);
    return std::u16string(faceName);
}

}  // namespace tavelo
