#pragma once
// Collects an element's named fields into a JSON object, groups as nested objects.

#include <vector>

#include "JsonOutput.h"
#include "model/FieldSink.h"

namespace tavelo::tools {

class CJsonFieldSink : public CFieldSink {
public:
    void Int(std::string_view name, std::int64_t value) override;
    void Text(std::string_view name, const std::u16string& value) override;
    void Ints(std::string_view name, const std::vector<std::int64_t>& values) override;
    void Texts(std::string_view name, const std::vector<std::u16string>& values) override;
    void BeginGroup(std::string_view name) override;
    void EndGroup() override;

    // The fields so far; call when every group is closed.
    const Json& GetJson() const { return m_root; }

private:
    Json& Current() { return m_open.empty() ? m_root : *m_open.back(); }

    Json m_root = Json::object();
    std::vector<Json*> m_open;
};

}  // namespace tavelo::tools
