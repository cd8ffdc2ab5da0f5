#pragma once
// The texts the download image compiler hands to the user.

namespace tavelo::compiler_messages {

inline constexpr const char16_t* kImageTooLarge = u"不能下载:画面文件过大!";
inline constexpr const char16_t* kInitialScreenMissing =
    u"系统设置参数初始画面号在组态画面中不存在，请重新设置";
// The Chinese glyphs could not be written.
inline constexpr const char16_t* kDataOrganisation = u"数据组织出错，请检查数据配置";
inline constexpr const char16_t* kCannotOpenGraphics = u"无法打开图形库文件";
inline constexpr const char16_t* kBitmapExtraction = u"位图点阵提取错误";
inline constexpr const char16_t* kDynamicBitmap = u"动态位图处理错误";
inline constexpr const char16_t* kDynamicTextData = u"动态文本数据出错";
// Counts beyond the byte the panel reads them from: where, then the count and the limit.
inline constexpr const char16_t* kScreenElements = u"画面 %d 有 %d 个元件，最多 %d 个";
inline constexpr const char16_t* kStaticTextBytes =
    u"画面 %d 位于 (%d, %d) 的静态文本有 %d 个编码字节，最多 %d 个";
inline constexpr const char16_t* kDynamicTextRows =
    u"画面 %d 位于 (%d, %d) 的动态文本有 %d 行，最多 %d 行";
inline constexpr const char16_t* kDynamicTextRowBytes =
    u"画面 %d 位于 (%d, %d) 的动态文本第 %d 行有 %d 个编码字节，最多 %d 个";
inline constexpr const char16_t* kAlarmCount = u"报警列表有 %d 条报警，最多 %d 条";
inline constexpr const char16_t* kAlarmTextBytes = u"第 %d 条报警有 %d 个编码字节，最多 %d 个";
// Sides beyond the bytes a static bitmap record carries them in.
inline constexpr const char16_t* kBitmapSides = u"画面 %d 的静态位图有 %d × %d 点，每边最多 %d 点";
// The image buffer could not be allocated.
inline constexpr const char16_t* kOutOfMemory = u"ERROR";

}  // namespace tavelo::compiler_messages
