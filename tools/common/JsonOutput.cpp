#include "JsonOutput.h"

#include <ostream>

#include "model/TextCodec.h"

namespace tavelo::tools {

Json JsonText(const std::u16string& text) {
    return ToUtf8(text);
}

Json JsonTexts(const std::vector<std::u16string>& texts) {
    Json list = Json::array();
    for (const auto& text : texts) list.push_back(JsonText(text));
    return list;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    }
    return text;
}

void PrintJson(std::ostream& out, const Json& json) {
    out << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace tavelo::tools
