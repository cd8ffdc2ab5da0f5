#pragma once
// The texts the download image compiler hands to the user.

namespace tavelo::compiler_messages {

inline constexpr const char16_t* kImageTooLarge = u"不能下载:画面文件过大!";
inline constexpr const char16_t* kInitialScreenMissing =
    u"系统设置参数初始画面号在组态画面中不存在，请重新设置";
// The Chinese glyphs could not be written, or a record cannot hold its data.
inline constexpr const char16_t* kDataOrganisation = u"数据组织出错，请检查数据配置";
inline constexpr const char16_t* kCannotOpenGraphics = u"无法打开图形库文件";
inline constexpr const char16_t* kBitmapExtraction = u"位图点阵提取错误";
inline constexpr const char16_t* kDynamicBitmap = u"动态位图处理错误";
inline constexpr const char16_t* kDynamicTextData = u"动态文本数据出错";
// The image buffer could not be allocated.
inline constexpr const char16_t* kOutOfMemory = u"ERROR";

}  // namespace tavelo::compiler_messages
