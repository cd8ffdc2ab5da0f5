#include "JsonFieldSink.h"

#include <string>

namespace tavelo::tools {

void CJsonFieldSink::Int(std::string_view name, std::int64_t value) {
    Current()[std::string(name)] = value;
}

void CJsonFieldSink::Text(std::string_view name, const std::u16string& value) {
    Current()[std::string(name)] = JsonText(value);
}

void CJsonFieldSink::Ints(std::string_view name, const std::vector<std::int64_t>& values) {
    Current()[std::string(name)] = values;
}

void CJsonFieldSink::Texts(std::string_view name, const std::vector<std::u16string>& values) {
    Current()[std::string(name)] = JsonTexts(values);
}

void CJsonFieldSink::BeginGroup(std::string_view name) {
    Json& group = Current()[std::string(name)];
    group = Json::object();
    m_open.push_back(&group);
}

void CJsonFieldSink::EndGroup() {
    if (!m_open.empty()) m_open.pop_back();
}

}  // namespace tavelo::tools
