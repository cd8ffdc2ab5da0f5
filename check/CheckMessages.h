#pragma once
// The texts of the project check and the address cross-reference. "%d" places take numbers in
// order; names and characters are appended where the texts end in "：" or "“".

namespace tavelo::check_messages {

inline constexpr const char16_t* kError = u"错误";
inline constexpr const char16_t* kWarning = u"警告";

// Where: a screen's element, a screen, the alarm list, the system settings.
inline constexpr const char16_t* kElementAt = u"画面 %d 位于 (%d, %d) 的";
inline constexpr const char16_t* kAlarmListWhere = u"报警列表";
inline constexpr const char16_t* kControlRegisterWhere = u"系统设置的控制寄存器";

inline constexpr const char16_t* kGlyphMissing =
    u"含有面板字库中没有的字符，面板上显示为实心方块：";
inline constexpr const char16_t* kFaceGlyphMissing = u"含有字体中没有的字符：";
inline constexpr const char16_t* kFaceMissing = u"的字体无法使用：";
inline constexpr const char16_t* kAlarmGlyphMissing =
    u"第 %d 条报警含有面板字库中没有的字符，面板上显示为实心方块：";
inline constexpr const char16_t* kOffDisplay = u"超出显示屏：画到 (%d, %d)，显示屏为 %d × %d 点";
inline constexpr const char16_t* kOverlap = u"与位于 (%d, %d) 的";
inline constexpr const char16_t* kOverlapEnd = u"重叠";
inline constexpr const char16_t* kJumpTargetMissing = u"跳转到不存在的画面 %d";
inline constexpr const char16_t* kUpTargetMissing = u"画面 %d 的上翻画面 %d 不存在";
inline constexpr const char16_t* kDownTargetMissing = u"画面 %d 的下翻画面 %d 不存在";
inline constexpr const char16_t* kInitialScreenMissing = u"系统设置的初始画面 %d 不存在";
inline constexpr const char16_t* kDuplicateKey = u"与位于 (%d, %d) 的功能键使用同一个键：";
inline constexpr const char16_t* kUnitMissing = u"的地址类型 %d 不在当前 PLC 类型中";
inline constexpr const char16_t* kAddressOutOfRange = u"的地址 %d 超出范围 %d～%d，单元：";
inline constexpr const char16_t* kLastAddressOutOfRange =
    u"从地址 %d 起的 %d 个寄存器超出上限 %d，单元：";
inline constexpr const char16_t* kBitOutOfRange = u"的位 %d 超出范围 %d～%d，单元：";
inline constexpr const char16_t* kCountOutOfRange = u"的寄存器个数 %d 超出范围 1～%d，单元：";
inline constexpr const char16_t* kStationOutOfRange = u"的局号 %d 超出范围 %d～%d";
inline constexpr const char16_t* kImageBudget = u"下载数据共 %d 字节，面板最多 %d 字节：";
inline constexpr const char16_t* kNotCompiled = u"无法编译下载数据，显示位置未能检查：";

// The "检查" dock.
inline constexpr const char16_t* kDockTitle = u"检查";
inline constexpr const char16_t* kNoFindings = u"没有发现问题";
inline constexpr const char16_t* kSummary = u"%d 个错误，%d 个警告";
inline constexpr const char16_t* kBudgetText = u"下载数据 %d / %d 字节 (%d%)";
inline constexpr const char16_t* kDownloadQuestion =
    u"工程检查发现 %d 个错误，下载后面板可能无法正常显示。仍然下载吗？";
inline constexpr const char16_t* kAddressDockTitle = u"地址交叉引用";
inline constexpr const char16_t* kFilterLabel = u"筛选:";

// Element kinds.
inline constexpr const char16_t* kStaticText = u"静态文本";
inline constexpr const char16_t* kVectorText = u"矢量文本";
inline constexpr const char16_t* kDynamicText = u"动态文本";
inline constexpr const char16_t* kRegister = u"寄存器";
inline constexpr const char16_t* kIndicator = u"指示灯";
inline constexpr const char16_t* kFunctionKey = u"功能键";
inline constexpr const char16_t* kTrendGraph = u"趋势图";
inline constexpr const char16_t* kBarGraph = u"棒图";
inline constexpr const char16_t* kStaticBitmap = u"静态位图";
inline constexpr const char16_t* kDynamicBitmap = u"动态位图";
inline constexpr const char16_t* kOtherElement = u"元件";

// Image areas, for the budget.
inline constexpr const char16_t* kAreaGlyphs = u"字库";
inline constexpr const char16_t* kAreaBitmaps = u"位图";
inline constexpr const char16_t* kAreaScreens = u"画面";
inline constexpr const char16_t* kAreaAlarms = u"报警";
inline constexpr const char16_t* kAreaOther = u"系统";

// The address cross-reference's column titles.
inline constexpr const char16_t* kAddressColumns[] = {u"局号",   u"单元", u"地址", u"位",
                                                      u"字节数", u"读写", u"画面", u"使用者"};

// Address access.
inline constexpr const char16_t* kRead = u"读";
inline constexpr const char16_t* kWrite = u"写";
inline constexpr const char16_t* kReadWrite = u"读写";

}  // namespace tavelo::check_messages
