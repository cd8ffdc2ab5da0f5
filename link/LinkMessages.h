#pragma once
// The texts the download shows: results (caption "通讯状态") and the failures before the
// transfer starts.

namespace tavelo::link_messages {

inline constexpr const char16_t* kCaption = u"通讯状态";
inline constexpr const char16_t* kSucceeded = u"下载成功!";
inline constexpr const char16_t* kWrongModel = u"字符屏型号错误，无法下载!";
inline constexpr const char16_t* kLineFailed =
    u"通讯失败,请检查电源、通讯电缆和通讯口,再重新下载.       ";
inline constexpr const char16_t* kCancelled = u"取消通讯";
inline constexpr const char16_t* kUnsupportedPlc = u"不支持的PLC类型";
inline constexpr const char16_t* kNoSuchPort = u"该串口不存在";
// Our own: the driver index beside the program is missing or unreadable.
inline constexpr const char16_t* kNoDriverIndex = u"找不到PLC驱动索引文件200590901222.dat";
// Our own: a driver of whole 512-byte units does not fit behind its prefix byte.
inline constexpr const char16_t* kDriverMisfit = u"PLC驱动文件长度有误,无法下载";

}  // namespace tavelo::link_messages
