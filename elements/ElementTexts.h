#pragma once
// The system's own texts that element kinds and their property panels show or store: default
// strings, preview face names, list entries and captions.

namespace tavelo::element_text {

// Preview and vector faces, as projects name them.
inline constexpr const char16_t* kFaceSongTi = u"宋体";
inline constexpr const char16_t* kFaceKaiTi = u"楷体_GB2312";

inline constexpr const char16_t* kDefaultStaticText = u"Aa12文字串";
inline constexpr const char16_t* kDefaultDynamicText = u"动态字符串";
// The row a dynamic text gains when its lists are found empty.
inline constexpr const char16_t* kEmptyListDynamicText = u"动态文本字符串";
inline constexpr const char16_t* kDefaultRowValue = u"0";

// Font choice dialog.
inline constexpr const char16_t* kFontDialogCaption = u"字体设置";
inline constexpr const char16_t* kSizeSmallFour = u"小四";
inline constexpr const char16_t* kSizeFive = u"五号";
inline constexpr const char16_t* kSizeSmallFive = u"小五";

// Register panel: the data mode list.
inline constexpr const char16_t* kDataModeRaw = u"原始数据";
inline constexpr const char16_t* kDataModeEngineering = u"工程数据";

// Panel group captions.
inline constexpr const char16_t* kTextPanelCaption = u"文本";
inline constexpr const char16_t* kVectorTextPanelCaption = u"矢量文本属性";
inline constexpr const char16_t* kDynamicTextPanelCaption = u"动态文本属性";
inline constexpr const char16_t* kVectorDynamicTextPanelCaption = u"矢量动态文本属性";
inline constexpr const char16_t* kRegisterPanelCaption = u"显示";
inline constexpr const char16_t* kIndicatorPanelCaption = u"线圈";
inline constexpr const char16_t* kFunctionKeyPanelCaption = u"功能键属性";
inline constexpr const char16_t* kTrendBarPanelCaption = u"属性";
inline constexpr const char16_t* kStaticBitmapPanelCaption = u"静态位图属性";
inline constexpr const char16_t* kDynamicBitmapPanelCaption = u"动态位图";

// Dynamic text table columns.
inline constexpr const char16_t* kColumnNumber = u"序号";
inline constexpr const char16_t* kColumnValue = u"数值";
inline constexpr const char16_t* kColumnText = u"字符串";

// Indicator 种类 and the 逻辑 lists of indicators and dynamic bitmaps.
inline constexpr const char16_t* kRound = u"圆形";
inline constexpr const char16_t* kSquare = u"方形";
inline constexpr const char16_t* kPositiveLogic = u"正逻辑";
inline constexpr const char16_t* kNegativeLogic = u"负逻辑";

// Function key: the number format of 设定寄存器.
inline constexpr const char16_t* kUnsigned = u"无符号";
inline constexpr const char16_t* kSigned = u"有符号";
inline constexpr const char16_t* kHex = u"HEX";

// Bar graph 方向.
inline constexpr const char16_t* kUp = u"向上";
inline constexpr const char16_t* kDown = u"向下";
inline constexpr const char16_t* kLeft = u"向左";
inline constexpr const char16_t* kRight = u"向右";

// Dynamic bitmap 位图类型: the library holds one type.
inline constexpr const char16_t* kBitmapType0 = u"DyaBitmap_0";

}  // namespace tavelo::element_text
