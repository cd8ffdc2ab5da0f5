#pragma once
// The main window's own texts: menus, toolbar tips, status bar and the user-manual messages.

namespace tavelo::app_text {

inline constexpr const char16_t* kReady = u"就绪";

inline constexpr const char16_t* kFileMenu = u"文件(&F)";
inline constexpr const char16_t* kNew = u"新建(&N)";
inline constexpr const char16_t* kOpen = u"打开(&O)";
inline constexpr const char16_t* kSave = u"保存(&S)";
inline constexpr const char16_t* kSaveAs = u"另存为(&A)...";
inline constexpr const char16_t* kCloseProject = u"关闭工程(&Q)";
inline constexpr const char16_t* kDisplayType = u"类型选择(&T)";
inline constexpr const char16_t* kPortChoice = u"PLC通信串口选择(&C)";
inline constexpr const char16_t* kLinkSettings = u"PLC及通讯参数选择(&P)";
inline constexpr const char16_t* kDownload = u"下载数据(&D)";
inline constexpr const char16_t* kExit = u"退出(&X)";

inline constexpr const char16_t* kEditMenu = u"编辑(&E)";
inline constexpr const char16_t* kUndo = u"撤消(&U)";
inline constexpr const char16_t* kRedo = u"重做(&R)";
inline constexpr const char16_t* kCut = u"剪切(&T)";
inline constexpr const char16_t* kCopy = u"复制(&C)";
inline constexpr const char16_t* kPaste = u"粘贴(&P)";
inline constexpr const char16_t* kDelete = u"删除(&D)";
inline constexpr const char16_t* kSelectAll = u"全选(&A)";

inline constexpr const char16_t* kViewMenu = u"视图(&V)";
inline constexpr const char16_t* kDrawingToolbar = u"绘图工具栏(&D)";
inline constexpr const char16_t* kStatusBar = u"状态栏(&S)";

inline constexpr const char16_t* kToolsMenu = u"工具(&T)";
inline constexpr const char16_t* kNewScreen = u"新建画面(&N)";
inline constexpr const char16_t* kCopyScreen = u"复制画面(&C)";
inline constexpr const char16_t* kDeleteScreen = u"删除画面(&D)";
inline constexpr const char16_t* kAlarmList = u"报警列表(&A)";
inline constexpr const char16_t* kSystemSettings = u"系统设置(&O)";
inline constexpr const char16_t* kGrid = u"显示网格点(&G)";

inline constexpr const char16_t* kDrawMenu = u"绘制(&D)";

inline constexpr const char16_t* kHelpMenu = u"帮助(&H)";
inline constexpr const char16_t* kAbout = u"关于 Tavelo(&A)...";
inline constexpr const char16_t* kManual = u"用户手册(&U)";

// Tooltips of the system toolbar, and the status texts where they differ.
inline constexpr const char16_t* kTipNew = u"新建";
inline constexpr const char16_t* kTipOpen = u"打开";
inline constexpr const char16_t* kTipSave = u"保存";
inline constexpr const char16_t* kTipUndo = u"撤消";
inline constexpr const char16_t* kTipRedo = u"重做";
inline constexpr const char16_t* kTipCut = u"剪切";
inline constexpr const char16_t* kTipCopy = u"复制";
inline constexpr const char16_t* kTipPaste = u"粘贴";
inline constexpr const char16_t* kTipDeleteSelection = u"删除选中元件";
inline constexpr const char16_t* kTipNewScreen = u"新建画面";
inline constexpr const char16_t* kTipCopyScreen = u"复制画面";
inline constexpr const char16_t* kTipDeleteScreen = u"删除画面";
inline constexpr const char16_t* kTipAlarmList = u"报警列表";
inline constexpr const char16_t* kTipSystemSettings = u"系统设置";
inline constexpr const char16_t* kTipDownload = u"下载";
inline constexpr const char16_t* kTipAlignLeft = u"左对齐";
inline constexpr const char16_t* kTipAlignRight = u"右对齐";
inline constexpr const char16_t* kTipAlignTop = u"上对齐";
inline constexpr const char16_t* kTipAlignBottom = u"下对齐";
inline constexpr const char16_t* kStatusAlignLeft = u"选中元件左对齐";
inline constexpr const char16_t* kStatusAlignRight = u"选中元件右对齐";
inline constexpr const char16_t* kStatusAlignTop = u"选中元件上对齐";
inline constexpr const char16_t* kStatusAlignBottom = u"选中元件下对齐";

// The project check, the address cross-reference and the exports.
inline constexpr const char16_t* kCheckProject = u"检查工程";
inline constexpr const char16_t* kTipCheckProject = u"检查工程中下载后会出错的地方";
inline constexpr const char16_t* kAddressTable = u"地址交叉引用";
inline constexpr const char16_t* kExportReport = u"导出报告";
inline constexpr const char16_t* kExportAlarms = u"导出报警列表";
inline constexpr const char16_t* kImportAlarms = u"导入报警列表";
inline constexpr const char16_t* kExportScreens = u"导出画面列表";

// User manual.
inline constexpr const char* kManualZorA = "QLMA.pdf";
inline constexpr const char* kManualZorB = "QLMB.pdf";
inline constexpr const char16_t* kManualMissing = u"找不到帮助文件，请重新安装软件";
inline constexpr const char16_t* kNoPdfReader = u"请安装PDF文档阅读器";
inline constexpr const char16_t* kManualUnopenable =
    u"无法打开帮助文件，请重装软件并确保电脑上安装了PDF阅读器";

}  // namespace tavelo::app_text
