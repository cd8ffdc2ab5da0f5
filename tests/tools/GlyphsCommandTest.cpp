#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace tavelo {
namespace {

using test::CliRun;
using test::RunCommand;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(GlyphsCommand, ShowsCodesBytesAndDotsFromTheDeliveredFonts) {
    const CliRun run = RunCommand({"glyphs", "A温€"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The space always holds narrow position 0; wide codes follow the characters' order.
    EXPECT_TRUE(Contains(run.out, "A  U+0041  code 01\n    00 80 60 10 10 60 80 00 00 3f 02"))
        << run.out;
    EXPECT_TRUE(Contains(run.out, "温  U+6E29  code f0 01\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "    .######.\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "€  U+20AC  code f0 00  (missing")) << run.out;
    EXPECT_FALSE(Contains(run.out, "U+0041  code 01  (missing")) << run.out;
}

TEST(GlyphsCommand, VectorFacesGiveThirtyTwoByteGlyphsAndBadFacesAreNamed) {
    const CliRun json = RunCommand({"glyphs", "温", "--face", "宋体", "--size", "16", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(Contains(json.out, "\"face\": \"宋体\",\n  \"size\": 16")) << json.out;
    EXPECT_TRUE(Contains(json.out, "\"missing\": false")) << json.out;
    const auto glyph = json.out.find("\"glyph\": \"");
    ASSERT_NE(glyph, std::string::npos);
    EXPECT_EQ(json.out.find('"', glyph + 10) - (glyph + 10), 64u);

    const CliRun unknown = RunCommand({"glyphs", "x", "--face", "No Such Face Anywhere"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(Contains(unknown.err, "No Such Face Anywhere")) << unknown.err;
}

}  // namespace
}  // namespace tavelo
