#pragma once
// JSON output of the programs: objects keep the order in which members were added, so diffs
// stay readable; text is UTF-8 and byte strings are lower-case hex.

#include <cstdint>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace tavelo::tools {

using Json = nlohmann::ordered_json;

Json JsonText(const std::u16string& text);
Json JsonTexts(const std::vector<std::u16string>& texts);
std::string Hex(const std::vector<std::uint8_t>& bytes);

// The document with two-space indentation and a final newline; text that is not valid UTF-8
// shows U+FFFD instead of failing.
void PrintJson(std::ostream& out, const Json& json);

}  // namespace tavelo::tools
