#include <gtest/gtest.h>

#include "model/FileBytes.h"
#include "support/BmpFiles.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

class BitmapCommand : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const test::BmpLayout& layout) {
        const auto path = m_dir / name;
        WriteFileAtomically(path, test::MakeBmp(layout));
        return path.string();
    }
    test::CTempDir m_dir;
};

TEST_F(BitmapCommand, ShowsWhatAStaticBitmapWouldStore) {
    test::BmpLayout layout;
    layout.width = 12;  // rounds up to 16 dots
    layout.height = 8;
    layout.pixel = [](std::int32_t x, std::int32_t) { return x < 4 ? 0u : 1u; };
    const std::string file = Write("bars.bmp", layout);

    const auto text = RunCommand({"bitmap", file});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    // Two bytes per row: four dark pixels, white up to the rounded width.
    EXPECT_NE(text.out.find(": 12 x 8 pixels, stored as 16 x 8 dots in 16 bytes\n"
                            "bits: 15@255@15@255@"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("panelBits: 255@255@255@255@0@0@"), std::string::npos) << text.out;

    const auto json = RunCommand({"bitmap", file, "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    for (const char* key :
         {"\"pixelWidth\": 12", "\"pixelHeight\": 8", "\"width\": 16", "\"height\": 8",
          "\"byteCount\": 16", "\"panelBits\": \"", "\"bits\": \""})
        EXPECT_NE(json.out.find(key), std::string::npos) << key << "\n" << json.out;
}

TEST_F(BitmapCommand, RefusalsAreExplainedWithExitCodeOne) {
    test::BmpLayout tooWide;
    tooWide.width = 200;
    const auto wide = RunCommand({"bitmap", Write("wide.bmp", tooWide)});
    EXPECT_EQ(wide.exitCode, 1);
    EXPECT_TRUE(wide.out.empty());
    EXPECT_NE(wide.err.find("wide.bmp: 单色位图超出192*64范围"), std::string::npos) << wide.err;

    WriteFileAtomically(m_dir / "cut.bmp", std::vector<std::uint8_t>{'B', 'M', 1, 2});
    const auto cut = RunCommand({"bitmap", (m_dir / "cut.bmp").string()});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_NE(cut.err.find("cut.bmp: "), std::string::npos) << cut.err;

    EXPECT_EQ(RunCommand({"bitmap", (m_dir / "none.bmp").string()}).exitCode, 1);
}

}  // namespace
}  // namespace tavelo
