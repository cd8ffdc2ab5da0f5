#pragma once
// Finds the file of an installed font family through fontconfig, with its own configuration
// rather than the library's process-wide one.

#include <optional>
#include <string>

struct _FcConfig;

namespace tavelo {

// A face inside a font file (collections hold several).
struct CFaceFile {
    std::string m_strPath;
    int m_nIndex = 0;
};

class CFontconfigLocator {
public:
    // Throws CGlyphError when fontconfig cannot load its configuration.
    CFontconfigLocator();
    ~CFontconfigLocator();
    CFontconfigLocator(const CFontconfigLocator&) = delete;
    CFontconfigLocator& operator=(const CFontconfigLocator&) = delete;

    // The best match whose family names include the family (ignoring ASCII case); none when
    // fontconfig would only offer a stand-in of another family.
    std::optional<CFaceFile> Find(const std::string& familyUtf8) const;

private:
    _FcConfig* m_pConfig;
};

}  // namespace tavelo
