#pragma once
// The rules of the font choice dialog "字体设置" of the vector text panels without widgets:
// the face and size lists, the entries it opens on, and the checked choice it returns on OK.

#include <cstdint>
#include <string>
#include <vector>

namespace tavelo {

// A vector text's face and glyph height in dots.
struct CVectorFont {
    std::u16string m_strFaceName;
    std::int32_t m_nFontSize = 12;

    bool operator==(const CVectorFont&) const = default;
};

class CFontDialogForm {
public:
    static constexpr std::int32_t kDefaultSize = 12;

    // Opens on the font's face, when listed, and on the name of its size ("小五" for a size
    // without a name).
    explicit CFontDialogForm(const CVectorFont& font);

    // A size whose absolute value is not 12, 14 or 16 becomes 12; an unknown face "宋体".
    static std::int32_t CheckedSize(std::int32_t size);
    static std::u16string CheckedFace(const std::u16string& face);

    // User actions; positions outside the lists change nothing.
    void SelectFace(int position);
    void SelectSize(int position);
    // The chosen face and size, checked.
    CVectorFont Ok() const;

    // What the controls show.
    static std::vector<std::u16string> GetFaceList();
    static std::vector<std::u16string> GetSizeList();
    int GetFaceSelection() const { return m_nFaceSelection; }
    int GetSizeSelection() const { return m_nSizeSelection; }

private:
    int m_nFaceSelection = -1;
    int m_nSizeSelection = -1;
};

}  // namespace tavelo
