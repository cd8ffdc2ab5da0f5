#include "FontDialogForm.h"

#include <algorithm>
#include <array>

#include "ElementTexts.h"

namespace tavelo {

namespace {

namespace et = element_text;

constexpr std::array<const char16_t*, 2> kFaces = {et::kFaceSongTi, et::kFaceKaiTi};

struct CSizeName {
    const char16_t* m_pszName;
    std::int32_t m_nDots;
};
constexpr std::array<CSizeName, 3> kSizes = {{
    {et::kSizeSmallFour, 16},
    {et::kSizeFive, 14},
    {et::kSizeSmallFive, 12},
}};
constexpr int kDefaultSizePosition = 2;  // "小五"

int FacePosition(const std::u16string& face) {
    for (std::size_t i = 0; i < kFaces.size(); ++i)
        if (face == kFaces[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace

CFontDialogForm::CFontDialogForm(const CVectorFont& font)
    : m_nFaceSelection(FacePosition(font.m_strFaceName)), m_nSizeSelection(kDefaultSizePosition) {
    for (std::size_t i = 0; i < kSizes.size(); ++i)
        if (kSizes[i].m_nDots == font.m_nFontSize) m_nSizeSelection = static_cast<int>(i);
}

std::int32_t CFontDialogForm::CheckedSize(std::int32_t size) {
    const std::int64_t magnitude = size < 0 ? -std::int64_t{size} : size;
    const bool named = std::any_of(kSizes.begin(), kSizes.end(), [&](const CSizeName& entry) {
        return entry.m_nDots == magnitude;
    });
    return named ? size : kDefaultSize;
}

std::u16string CFontDialogForm::CheckedFace(const std::u16string& face) {
    return FacePosition(face) >= 0 ? face : std::u16string(et::kFaceSongTi);
}

void CFontDialogForm::SelectFace(int position) {
    if (position >= 0 && position < static_cast<int>(kFaces.size())) m_nFaceSelection = position;
}

void CFontDialogForm::SelectSize(int position) {
    if (position >= 0 && position < static_cast<int>(kSizes.size())) m_nSizeSelection = position;
}

CVectorFont CFontDialogForm::Ok() const {
    const std::u16string face = m_nFaceSelection >= 0 ? kFaces[m_nFaceSelection] : u"";
    return {CheckedFace(face), CheckedSize(kSizes[m_nSizeSelection].m_nDots)};
}

std::vector<std::u16string> CFontDialogForm::GetFaceList() {
    return {kFaces.begin(), kFaces.end()};
}

std::vector<std::u16string> CFontDialogForm::GetSizeList() {
    std::vector<std::u16string> names;
    for (const CSizeName& entry : kSizes) names.emplace_back(entry.m_pszName);
    return names;
}

}  // namespace tavelo
