#pragma once
// The captions, labels and button texts of the settings and screen dialogs that no form model
// already holds.

namespace tavelo::dialog_text {

inline constexpr const char16_t* kOk = u"确定";
inline constexpr const char16_t* kCancel = u"取消";

// Display type.
inline constexpr const char16_t* kZorA = u"ZORA";
inline constexpr const char16_t* kZorB = u"ZORB";

// System settings.
inline constexpr const char16_t* kInitialScreen = u"初始画面号:";
inline constexpr const char16_t* kPassword = u"口令(4数字):";
inline constexpr const char16_t* kControlRegister = u"控制寄存器号:";
inline constexpr const char16_t* kSaverTime = u"屏保时间:";
inline constexpr const char16_t* kSaverShowScreen = u"显示画面";
inline constexpr const char16_t* kSaverBacklightOff = u"关闭背景光";
inline constexpr const char16_t* kPlcStation = u"PLC局号:";
inline constexpr const char16_t* kRegisterFor = u"对应";
inline constexpr const char16_t* kAutoChange = u"自动变换显示画面";
inline constexpr const char16_t* kReportScreen = u"报告当前画面号";
inline constexpr const char16_t* kClock = u"使用时钟模块";
inline constexpr const char16_t* kAnalog = u"采用模拟量数据";

// Alarm list.
inline constexpr const char16_t* kAlarmStation = u"局号:";
inline constexpr const char16_t* kAlarmUnit = u"类型:";
inline constexpr const char16_t* kAlarmAddress = u"地址:";

// Screen commands.
inline constexpr const char16_t* kNewScreenCaption = u"新建画面";
inline constexpr const char16_t* kScreenNumber = u"画面号:";
inline constexpr const char16_t* kScreenDescription = u"画面描述:";
inline constexpr const char16_t* kCopyScreenCaption = u"复制画面";
inline constexpr const char16_t* kCopyFrom = u"复制";
inline constexpr const char16_t* kCopyTo = u"号画面到";
inline constexpr const char16_t* kCopyScreenSuffix = u"号画面";
inline constexpr const char16_t* kDeleteScreenCaption = u"删除画面";
inline constexpr const char16_t* kDeleteScreenText = u"删除画面";

// About box.
inline constexpr const char16_t* kAboutCaption = u"关于 ZOR";

}  // namespace tavelo::dialog_text
