#pragma once
// The texts of the commissioning report.

namespace tavelo::report_text {

inline constexpr const char16_t* kTitle = u"调试报告";
inline constexpr const char16_t* kProject = u"工程：";
inline constexpr const char16_t* kModel = u"型号：";
inline constexpr const char16_t* kPlcType = u"PLC 类型：";
inline constexpr const char16_t* kLink = u"连接：局号 %d，%d 波特，%d 位数据，%d 位停止，校验：";
inline constexpr const char16_t* kParities[] = {u"无", u"奇", u"偶"};
inline constexpr const char16_t* kInitialScreen = u"初始画面：%d";
inline constexpr const char16_t* kPassword = u"密码：";
inline constexpr const char16_t* kPasswordSet = u"已设置";
inline constexpr const char16_t* kPasswordNone = u"未设置";
inline constexpr const char16_t* kScreenSaver = u"屏幕保护：%d 分钟后";
inline constexpr const char16_t* kSaverActions[] = {u"显示画面 ", u"关闭背光"};
inline constexpr const char16_t* kControl = u"控制寄存器：局号 %d，地址 %d，功能：";
inline constexpr const char16_t* kFunctions[] = {u"自动换画面 ", u"报告当前画面 ", u"时钟 "};
inline constexpr const char16_t* kNoFunction = u"无";
inline constexpr const char16_t* kScreenCount = u"画面数：%d，元件数：%d，报警数：%d";
inline constexpr const char16_t* kCheck = u"工程检查：";
inline constexpr const char16_t* kScreenHeading = u"画面 %d  ";
inline constexpr const char16_t* kNoPicture = u"下载数据未能生成，画面无法显示。";
inline constexpr const char16_t* kNoElements = u"此画面没有元件。";
inline constexpr const char16_t* kAlarms = u"报警列表";
inline constexpr const char16_t* kNoAlarms = u"没有报警。";
inline constexpr const char16_t* kAddresses = u"地址交叉引用";
inline constexpr const char16_t* kNoAddresses = u"工程没有使用 PLC 地址。";
inline constexpr const char16_t* kFindings = u"检查结果";
inline constexpr const char16_t* kElementHeader[] = {u"元件", u"位置", u"地址", u"读写"};
inline constexpr const char16_t* kAlarmHeader[] = {u"序号", u"字符串"};
inline constexpr const char16_t* kFindingHeader[] = {u"级别", u"代码", u"说明"};
// Station, then the unit's name, then address and bit.
inline constexpr const char16_t* kStation = u"局号 %d，";
inline constexpr const char16_t* kAddress = u" 地址 %d，位 %d";

}  // namespace tavelo::report_text
