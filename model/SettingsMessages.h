#pragma once
// The system's own texts shown by the system settings and alarm list dialogs, and the PLC
// type and area names their rules key on.

namespace tavelo::settings_text {

// System settings dialog.
inline constexpr const char16_t* kSystemSettingsCaption = u"设置ZOR";
inline constexpr const char16_t* kDirectionZorA = u"(ZORA<-PLC)";
inline constexpr const char16_t* kDirectionZorB = u"(ZORB<-PLC)";
inline constexpr const char16_t* kTimingNotice = u"2008-08-29修改,升级下载时序问题";
// The password that, together with the same saver screen number, shows the notice.
inline constexpr const char16_t* kTimingNoticeCode = u"7351";
inline constexpr int kTimingNoticeScreen = 7351;

inline constexpr const char16_t* kSaverNever = u"从不";
inline constexpr const char16_t* kSaverOneMinute = u"一分钟";
inline constexpr const char16_t* kSaverTwoMinutes = u"二分钟";
inline constexpr const char16_t* kSaverThreeMinutes = u"三分钟";
inline constexpr const char16_t* kSaverFiveMinutes = u"五分钟";
inline constexpr const char16_t* kSaverTenMinutes = u"十分钟";
inline constexpr const char16_t* kSaverTwentyMinutes = u"二十分钟";
inline constexpr const char16_t* kSaverThirtyMinutes = u"三十分钟";
inline constexpr const char16_t* kSaverOneHour = u"一小时";

// Area names whose consecutive 2-byte registers are numbered one apart, and the one numbered
// two apart.
inline constexpr const char16_t* kWordAreaNames[] = {u"D",   u"DT",  u"4X",  u"DM",  u"PV ",
                                                     u"LR ", u"SR ", u"HR ", u"AR ", u"IR "};
inline constexpr const char16_t* kByteNumberedWordArea = u"VW";

// Alarm list dialog.
inline constexpr const char16_t* kAlarmCaption = u"报警画面";
inline constexpr const char16_t* kAlarmNotSupported = u"该协议不支持报警！";
inline constexpr const char16_t* kAlarmListFull = u"报警列表上限！";
inline constexpr const char16_t* kAlarmAddressLimit = u"已经达到地址最大值";
inline constexpr const char16_t* kAlarmColumnNumber = u"序号";
inline constexpr const char16_t* kAlarmColumnText = u"字符串";
inline constexpr int kAlarmNumberColumnWidth = 70;

// PLC types whose alarm rows stop early.
inline constexpr const char16_t* kPlcZetuo = u"泽拓";
inline constexpr const char16_t* kPlcSiemensS7200 = u"西门子S7-200";
inline constexpr const char16_t* kPlcYonghong = u"永宏(MU/MA)";

}  // namespace tavelo::settings_text
