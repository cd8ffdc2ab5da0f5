#include "VirtualPlcJson.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>

#include "ValueEntry.h"
#include "ValuesError.h"

namespace tavelo {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kValuesMember = "values";
constexpr int kDeepestNesting = 4;
// A message quotes no more of a name than a reader needs to find it.
constexpr std::size_t kQuotedChars = 32;

bool IsField(const std::string& name) {
    return std::ranges::any_of(CValueEntry::kFieldNames,
                               [&](const char* field) { return name == field; });
}

std::int64_t Number(const Json& member, const char* name) {
    if (member.is_number_integer() && !member.is_number_unsigned())
        return member.get<std::int64_t>();
    if (member.is_number_unsigned() &&
        member.get<std::uint64_t>() <=
            static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return static_cast<std::int64_t>(member.get<std::uint64_t>());
    if (member.is_number_unsigned())
        throw CValuesError(std::string(name) + " does not fit 64 bits");
    throw CValuesError(std::string(name) + " is not a whole number");
}

CValueEntry EntryOf(const Json& object) {
    if (!object.is_object()) throw CValuesError("not an object");
    for (const auto& member : object.items())
        if (!IsField(member.key()))
            throw CValuesError("unknown member \"" + member.key().substr(0, kQuotedChars) + "\"");
    CValueEntry entry;
    for (std::size_t field = 0; field < CValueEntry::kFieldCount; ++field) {
        const char* name = CValueEntry::kFieldNames[field];
        if (!object.contains(name)) throw CValuesError(std::string(name) + " is missing");
        entry.m_fields[field] = Number(object[name], name);
    }
    return entry;
}

Json Document(std::string_view text) {
    try {
        // The four members of an entry sit at depth 3; refusing deeper nesting as it is read
        // keeps a small hostile file from building a huge document.
        return Json::parse(text, [](int depth, Json::parse_event_t, Json&) {
            if (depth > kDeepestNesting) throw CValuesError("values are nested too deeply");
            return true;
        });
    } catch (const Json::parse_error& error) {
        // The library's message opens with its own error code in brackets.
        const std::string message = error.what();
        const std::size_t bracket = message.find("] ");
        throw CValuesError(bracket == std::string::npos ? message : message.substr(bracket + 2));
    }
}

}  // namespace

CVirtualPlc CVirtualPlcJson::Parse(std::string_view text) {
    const Json document = Document(text);
    if (!document.is_object() || document.size() != 1 || !document.contains(kValuesMember) ||
        !document[kValuesMember].is_array())
        throw CValuesError("the document is not an object with only a \"values\" array");
    CVirtualPlc plc;
    std::size_t number = 0;
    for (const Json& object : document[kValuesMember]) {
        try {
            ++number;
            EntryOf(object).AddTo(plc);
        } catch (const CValuesError& error) {
            throw CValuesError("entry " + std::to_string(number) + ": " + error.what());
        }
    }
    return plc;
}

std::string CVirtualPlcJson::Format(const CVirtualPlc& plc) {
    Json values = Json::array();
    for (const auto& [address, value] : plc.GetValues()) {
        Json entry = Json::object();
        const auto fields = CValueEntry::FieldsOf(address, value);
        for (std::size_t field = 0; field < fields.size(); ++field)
            entry[CValueEntry::kFieldNames[field]] = fields[field];
        values.push_back(std::move(entry));
    }
    Json document = Json::object();
    document[kValuesMember] = std::move(values);
    return document.dump(2) + "\n";
}

}  // namespace tavelo
