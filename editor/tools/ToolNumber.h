#pragma once
// The numbers the editing state names its tools by: 0 selects, the others place one element
// kind each.

namespace tavelo::tool_number {

inline constexpr int kNone = -1;
inline constexpr int kSelect = 0;
inline constexpr int kVectorStaticText = 5;
inline constexpr int kStaticText = 6;
inline constexpr int kVectorDynamicText = 7;
inline constexpr int kDynamicText = 8;
inline constexpr int kStaticBitmap = 9;
inline constexpr int kIndicator = 10;
inline constexpr int kRegister = 11;
inline constexpr int kBarGraph = 12;
inline constexpr int kTrendGraph = 13;
inline constexpr int kFunctionKey = 14;

}  // namespace tavelo::tool_number
