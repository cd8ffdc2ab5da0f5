#pragma once
// The texts of the download dialog and of the messages it shows before the transfer; the
// results of the transfer are the link's own (link/LinkMessages.h).

namespace tavelo::download_texts {

inline constexpr const char16_t* kDialogCaption = u"下载画面数据";
inline constexpr const char16_t* kPrompt = u"正在下载画面数据......";
inline constexpr const char16_t* kCancelButton = u"取   消";

}  // namespace tavelo::download_texts
