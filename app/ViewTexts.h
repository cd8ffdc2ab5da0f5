#pragma once
// The texts of the canvas's view commands and of the status bar's fields.

namespace tavelo::view_text {

inline constexpr const char16_t* kDotTrue = u"点阵预览";
inline constexpr const char16_t* kZoomIn = u"放大(&I)";
inline constexpr const char16_t* kZoomOut = u"缩小(&O)";
inline constexpr const char16_t* kZoomToFit = u"适合窗口(&F)";
inline constexpr const char16_t* kZoomTip = u"每点像素数";
// Pixels per dot.
inline constexpr const char16_t* kZoomEntry = u"%1 像素/点";
inline constexpr const char16_t* kPointer = u"X:%1 Y:%2";
inline constexpr const char16_t* kSelection = u"选中 X:%1 Y:%2 宽:%3 高:%4";
inline constexpr const char16_t* kDotTrueFailed = u"点阵预览不可用：%1";
inline constexpr const char16_t* kDriverFolder = u"PLC驱动文件夹(&R)...";
inline constexpr const char16_t* kDriverFolderCaption = u"选择PLC驱动文件夹";

}  // namespace tavelo::view_text
