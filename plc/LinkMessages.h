#pragma once
// The captions, list entries and messages of the PLC and link dialog and the port dialog.

#include <array>

namespace tavelo {

inline constexpr const char16_t* kLinkDialogTitle = u"PLC及通讯参数选择";
inline constexpr const char16_t* kLinkCaption = u"选择所连接的PLC类型";
inline constexpr const char16_t* kPlcTypeLabel = u"PLC类型:";
inline constexpr const char16_t* kStationLabel = u"局号:";
inline constexpr const char16_t* kOkButtonText = u"确定";
inline constexpr const char16_t* kCancelButtonText = u"取消";
inline constexpr const char16_t* kShowSerialText = u"通讯参数设置>>";
inline constexpr const char16_t* kHideSerialText = u"通讯参数设置<<";

inline constexpr const char16_t* kBaudLabel = u"波特率";
inline constexpr const char16_t* kDataBitsLabel = u"数据位";
inline constexpr const char16_t* kStopBitsLabel = u"停止位";
inline constexpr const char16_t* kParityLabel = u"校验位";
// In the positions the stored choices count.
inline constexpr std::array<const char16_t*, 6> kBaudTexts = {u"1200", u"2400",  u"4800",
                                                              u"9600", u"19200", u"38400"};
inline constexpr std::array<const char16_t*, 2> kDataBitsTexts = {u"8位", u"7位"};
inline constexpr std::array<const char16_t*, 2> kStopBitsTexts = {u"2位", u"1位"};
inline constexpr std::array<const char16_t*, 3> kParityTexts = {u"无校验", u"奇校验", u"偶校验"};

// PLC types whose protocol the panel lacks.
inline constexpr std::array<const char16_t*, 3> kUnsupportedPlcTypes = {u"东芝", u"AB(SLC500)",
                                                                        u"夏普"};
inline constexpr const char16_t* kUnsupportedProtocolMessage = u"不支持该协议!";

inline constexpr const char16_t* kPortDialogTitle = u"选择通信口";
inline constexpr const char16_t* kPortPrompt = u"选择计算机的通信口，用于下载画面数据...";
inline constexpr const char16_t* kPortLabel = u"通信口：";
inline constexpr std::array<const char16_t*, 4> kPortTexts = {u"COM1", u"COM2", u"COM3", u"COM4"};

}  // namespace tavelo
