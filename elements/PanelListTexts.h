#pragma once
// The system's own texts of the indicator, function key, graph and bitmap panels: group
// captions and list entries.

namespace tavelo::panel_list_text {

inline constexpr const char16_t* kIndicatorPanelCaption = u"线圈";
inline constexpr const char16_t* kFunctionKeyPanelCaption = u"功能键属性";
inline constexpr const char16_t* kTrendBarPanelCaption = u"属性";
inline constexpr const char16_t* kStaticBitmapPanelCaption = u"静态位图属性";
inline constexpr const char16_t* kDynamicBitmapPanelCaption = u"动态位图";

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

}  // namespace tavelo::panel_list_text
