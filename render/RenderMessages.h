#pragma once
// The texts the panel rendering shows the user.

namespace tavelo::render_messages {

// A font file is missing, unreadable or damaged.
inline constexpr const char16_t* kCannotOpenFontFile = u"无法打开字库文件";

}  // namespace tavelo::render_messages
