#pragma once
// The LCD for a text terminal: two dot rows per text row, drawn with the Unicode half and full
// blocks (U+2580, U+2584, U+2588) and spaces, so the frame takes 192 columns and 32 lines.

#include <string>

namespace tavelo {
class CLcdFrame;
}

namespace tavelo::cli {

// 32 lines of 192 characters in UTF-8, each ended by a newline.
std::string ToBlockArt(const CLcdFrame& frame);

}  // namespace tavelo::cli
