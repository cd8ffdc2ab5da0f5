#pragma once
// The installed font family that stands for a face name of the panel's vector texts. The two
// faces the property panels offer come from Debian's AR PL packages (fonts-arphic-uming,
// fonts-arphic-ukai); any other name is looked up as it is.

#include <string>
#include <string_view>

namespace tavelo {

inline constexpr const char16_t* kSongFaceName = u"宋体";
inline constexpr const char16_t* kKaiFaceName = u"楷体_GB2312";

std::u16string GetInstalledFamily(std::u16string_view faceName);

}  // namespace tavelo
