#pragma once
// The system's Chinese texts in the interface language. The core keeps writing Chinese; the
// texts are looked up where they leave for the screen or the terminal. A message composed with
// numbers ("画面号 5 已经存在！") is found through its pattern ("画面号 %d 已经存在！").

#include <QString>
#include <string>
#include <string_view>

#include "model/ComposedMessage.h"

namespace tavelo {

// The context all of the program's texts carry in tavelo_en.ts.
inline constexpr const char* kTranslationContext = "tavelo";

// The text in the language of the installed translator; unchanged when there is none, or when
// the text is not one of the system's own (a user's text, a file name).
QString ShownText(std::u16string_view text);

// The same, as UTF-8 for the terminal.
std::string ShownUtf8(std::u16string_view text);

// A composed message: each of the system's pieces in the interface language, the user's own
// texts as they are.
QString ShownText(const CComposedMessage& message);
std::string ShownUtf8(const CComposedMessage& message);

}  // namespace tavelo
