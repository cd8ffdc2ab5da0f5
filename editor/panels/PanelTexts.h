#pragma once
// The labels of the property panels below the canvas and of the font dialog; group captions
// and list entries are the element kinds' own (elements/ElementTexts.h).

namespace tavelo::panel_text {

// Screen panel.
inline constexpr const char16_t* kScreenPanelCaption = u"画面属性";
inline constexpr const char16_t* kScreenNumber = u" %d 号画面";
inline constexpr const char16_t* kScreenDescription = u"画面描述:";
inline constexpr const char16_t* kUpScreen = u"按向上键至画面:";
inline constexpr const char16_t* kDownScreen = u"按向下键至画面:";

// Shared fields.
inline constexpr const char16_t* kX = u"X:";
inline constexpr const char16_t* kY = u"Y:";
inline constexpr const char16_t* kWidth = u"宽:";
inline constexpr const char16_t* kHeight = u"高:";
inline constexpr const char16_t* kDoubleSize = u"倍角";
inline constexpr const char16_t* kInverse = u"反相";
inline constexpr const char16_t* kText = u"文字串:";
inline constexpr const char16_t* kFontButton = u"字体";
inline constexpr const char16_t* kStation = u"局号:";
inline constexpr const char16_t* kUnitType = u"类型:";
inline constexpr const char16_t* kCount = u"寄存器个数:";
inline constexpr const char16_t* kAddress = u"地址:";
inline constexpr const char16_t* kBit = u"位:";
inline constexpr const char16_t* kMode = u"模式:";
inline constexpr const char16_t* kHexBcd = u"HEX/BCD";
inline constexpr const char16_t* kDecimal = u"十进制";
inline constexpr const char16_t* kSigned = u"有符号数";
inline constexpr const char16_t* kFloat = u"浮点数";
inline constexpr const char16_t* kDecimals = u"小数位:";

// Register panel.
inline constexpr const char16_t* kDigits = u"位数:";
inline constexpr const char16_t* kSettable = u"设定";
inline constexpr const char16_t* kPassword = u"加密";
inline constexpr const char16_t* kLimits = u"上下限";
inline constexpr const char16_t* kDataMode = u"数据:";
inline constexpr const char16_t* kInputMax = u"输入上限:";
inline constexpr const char16_t* kInputMin = u"输入下限:";
inline constexpr const char16_t* kEngMax = u"工程量上限:";
inline constexpr const char16_t* kEngMin = u"工程量下限:";

// Indicator and dynamic bitmap panels.
inline constexpr const char16_t* kShape = u"种类:";
inline constexpr const char16_t* kLogic = u"逻辑:";
inline constexpr const char16_t* kBitmapType = u"位图类型:";
inline constexpr const char16_t* kBitmapLogic = u"位图逻辑:";

// Function key panel.
inline constexpr const char16_t* kKey = u"键:";
inline constexpr const char16_t* kHand = u"手形";
inline constexpr const char16_t* kHidden = u"隐形";
inline constexpr const char16_t* kActionCoil = u"设定线圈";
inline constexpr const char16_t* kActionJump = u"画面跳转";
inline constexpr const char16_t* kActionRegister = u"设定寄存器";
inline constexpr const char16_t* kCoilOn = u"设定为ON";
inline constexpr const char16_t* kCoilOff = u"设定为OFF";
inline constexpr const char16_t* kCoilToggle = u"取反";
inline constexpr const char16_t* kCoilMomentary = u"瞬时ON";
inline constexpr const char16_t* kJumpTo = u"跳转至:";
inline constexpr const char16_t* kJumpScreen = u"画面";
inline constexpr const char16_t* kJumpPassword = u"口令";
inline constexpr const char16_t* kJumpAlarm = u"报警列表";
inline constexpr const char16_t* kJumpTime = u"时间/日期";
inline constexpr const char16_t* kParameter = u"参数:";
inline constexpr const char16_t* kFormat = u"格式:";

// Graph panel.
inline constexpr const char16_t* kFullScale = u"满额度值:";
inline constexpr const char16_t* kZeroScale = u"零额度值:";
inline constexpr const char16_t* kDirection = u"方向:";
inline constexpr const char16_t* kPoints = u"数据采集 (点):";
inline constexpr const char16_t* kInterval = u"采样间隔 (秒):";

// Font dialog.
inline constexpr const char16_t* kFace = u"字体:";
inline constexpr const char16_t* kSize = u"字号:";

}  // namespace tavelo::panel_text
