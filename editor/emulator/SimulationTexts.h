#pragma once
// The texts of the simulation window and its table of PLC values.

namespace tavelo::simulation_text {

inline constexpr const char16_t* kCaption = u"模拟运行";
inline constexpr const char16_t* kReload = u"重新载入";
inline constexpr const char16_t* kTipReload = u"重新编译工程，并在当前画面重新开始运行";
inline constexpr const char16_t* kScale = u"放大:";
inline constexpr const char16_t* kTipScale = u"每个液晶点占的屏幕像素数";
inline constexpr const char16_t* kSource = u"PLC数据:";
inline constexpr const char16_t* kSourceTable = u"数值表";
inline constexpr const char16_t* kSourceModbus = u"Modbus设备";
inline constexpr const char16_t* kLink = u"连接:";
inline constexpr const char16_t* kTipLink =
    u"tcp:主机[:端口]（默认端口502）或 rtu:串口设备（波特率、校验、数据位、停止位取工程的通讯参数）";
inline constexpr const char16_t* kInterval = u"周期(ms):";
inline constexpr const char16_t* kTipInterval = u"轮询当前画面地址的周期";
inline constexpr const char16_t* kNoProject = u"没有打开的工程";
inline constexpr const char16_t* kCompileFailed = u"工程无法编译：";
inline constexpr const char16_t* kRunning = u"运行中：画面 %1";
inline constexpr const char16_t* kModbusOnlyFor = u"PLC类型为“%1”，不是Modbus(RTU)：只能用数值表模拟";
inline constexpr const char16_t* kLinkFault = u"通讯故障：";
inline constexpr const char16_t* kLinkOk = u"Modbus 通讯正常（%1）";
inline constexpr const char16_t* kBadLink = u"连接地址无效：";
// A keypad button's tooltip: the key, its F number and the PC keys for it.
inline constexpr const char16_t* kKeyTip = u"%1 (F%2) — 键盘: %3";

// The table dock.
inline constexpr const char16_t* kTableCaption = u"PLC数值表";
inline constexpr const char16_t* kStation = u"站号";
inline constexpr const char16_t* kUnit = u"单元";
inline constexpr const char16_t* kAddress = u"地址";
inline constexpr const char16_t* kBit = u"位";
inline constexpr const char16_t* kBytes = u"字节数";
inline constexpr const char16_t* kValue = u"数值";
inline constexpr const char16_t* kTrend = u"趋势";
inline constexpr const char16_t* kUsers = u"使用者";
inline constexpr const char16_t* kTrendNone = u"无";
inline constexpr const char16_t* kTrendRamp = u"斜坡";
inline constexpr const char16_t* kTrendSine = u"正弦";
inline constexpr const char16_t* kTrendRandom = u"随机";
inline constexpr const char16_t* kLoad = u"载入...";
inline constexpr const char16_t* kSave = u"保存...";
inline constexpr const char16_t* kValuesFilter = u"数值文件 (*.json *.csv)";
inline constexpr const char16_t* kBadValue = u"“%1”不是该地址可用的数值";

}  // namespace tavelo::simulation_text
