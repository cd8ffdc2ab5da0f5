#pragma once
// The texts of the screen record and of the new-screen, copy-screen and screen-property rules.

namespace tavelo::screen_messages {

// Description of a screen made without one.
inline constexpr const char16_t* kDefaultDescription = u"画面";
// Description of a new or copied screen: its number.
inline constexpr const char16_t* kNumberedDescription = u"画面 %d";
// The number, the lowest and the highest screen number.
inline constexpr const char16_t* kNumberOutOfRange = u"画面号 %d 超出范围(%d至%d)！";
inline constexpr const char16_t* kNumberInUse = u"画面号 %d 已经存在！";
inline constexpr const char16_t* kBadTarget = u"输入的跳转画面号不正确！";

}  // namespace tavelo::screen_messages
