#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "tools/cli/JsonWriter.h"

namespace tavelo::cli {
namespace {

std::string Quoted(std::u16string_view text) {
    std::ostringstream out;
    CJsonWriter json(out);
    json.String(text);
    json.Finish();
    return out.str();
}

TEST(JsonWriter, EscapesWhatJsonNeedsAndLoneSurrogatesAndWritesTheRestAsUtf8) {
    EXPECT_EQ(Quoted(u"a\"b\\c"), "\"a\\\"b\\\\c\"\n");
    EXPECT_EQ(Quoted(u"\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"\n");
    EXPECT_EQ(Quoted(std::u16string(u"\x01\x1f", 2)), "\"\\u0001\\u001f\"\n");
    EXPECT_EQ(Quoted(std::u16string(1, u'\0')), "\"\\u0000\"\n");
    EXPECT_EQ(Quoted(u"永宏"), "\"永宏\"\n");
    EXPECT_EQ(Quoted(u"\U0001F600"), "\"\xF0\x9F\x98\x80\"\n");
    EXPECT_EQ(Quoted(std::u16string(1, char16_t(0xD800)) + u"x"), "\"\\ud800x\"\n");
    EXPECT_EQ(Quoted(std::u16string(1, char16_t(0xDC00))), "\"\\udc00\"\n");
}

TEST(JsonWriter, IndentsNestedContainersAndSeparatesMembers) {
    std::ostringstream out;
    CJsonWriter json(out);
    json.BeginObject();
    json.Key("list");
    json.BeginArray();
    json.Int(-5);
    json.Bool(true);
    json.Null();
    json.String(std::string_view("\xE4\xB8\x9C"));
    json.EndArray();
    json.Key("empty");
    json.BeginObject();
    json.EndObject();
    json.Key("none");
    json.BeginArray();
    json.EndArray();
    json.EndObject();
    json.Finish();
    EXPECT_EQ(out.str(),
              "{\n"
              "  \"list\": [\n"
              "    -5,\n"
              "    true,\n"
              "    null,\n"
              "    \"东\"\n"
              "  ],\n"
              "  \"empty\": {},\n"
              "  \"none\": []\n"
              "}\n");
}

TEST(JsonWriter, RefusesCallsThatWouldBreakTheDocument) {
    std::ostringstream out;
    CJsonWriter json(out);
    json.BeginObject();
    EXPECT_THROW(json.Int(1), std::logic_error);  // a value needs a key in an object
    EXPECT_THROW(json.EndArray(), std::logic_error);
    EXPECT_THROW(json.Finish(), std::logic_error);
    json.Key("a");
    EXPECT_THROW(json.Key("b"), std::logic_error);
    json.Int(1);
    json.EndObject();
    EXPECT_THROW(json.Int(2), std::logic_error);  // one document only
    EXPECT_THROW(json.Key("c"), std::logic_error);
}

}  // namespace
}  // namespace tavelo::cli
