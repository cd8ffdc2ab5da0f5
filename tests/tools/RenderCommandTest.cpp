#include <gtest/gtest.h>

#include "model/FileBytes.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::RunCommand;

// A project or its image gives a picture of 192 x 64 dots at the scale; a missing screen, a
// damaged image, a bad scale or values file give no picture.
TEST(RenderCommand, DrawsAProjectOrAnImageAndRefusesWhatItCannotDraw) {
    const test::CTempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    ASSERT_EQ(RunCommand({"new", path("p.ZORX")}).exitCode, 0);
    ASSERT_EQ(RunCommand({"build", path("p.ZORX")}).exitCode, 0);
    WriteFileAtomically(path("short.img"), std::vector<std::uint8_t>(20));
    const struct {
        cli::Arguments args;
        int exitCode;
        std::string err;
        unsigned width;  // the picture's width in pixels, 0 for none
    } cases[] = {
        {{"render", path("p.ZORX"), "-o", path("a.png")}, 0, "", 768},
        {{"render", path("p.img"), "--screen", "1", "--scale", "2", "-o", path("a.png")},
         0,
         "",
         384},
        {{"render", path("p.img"), "--screen", "9", "-o", path("b.png")},
         1,
         "tavelo-cli render: screen 9 is not in the image\n",
         0},
        {{"render", path("short.img"), "-o", path("b.png")},
         1,
         "tavelo-cli render: " + path("short.img") +
             ": the image holds 20 bytes, fewer than its header and system block\n",
         0},
        {{"render", path("p.img"), "--scale", "17", "-o", path("b.png")}, 2, "", 0},
        {{"render", path("p.img"), "--values", path("p.img"), "-o", path("b.png")},
         1,
         "tavelo-cli render: " + path("p.img") + ": a values file ends in .json or .csv\n",
         0},
    };
    for (const auto& row : cases) {
        const auto run = RunCommand(row.args);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        if (row.exitCode != 2) {
            EXPECT_EQ(run.err, row.err);
        }
        EXPECT_FALSE(std::filesystem::exists(path("b.png")));
        if (row.width) {
            const std::vector<std::uint8_t> png = ReadFileBytes(path("a.png"));
            EXPECT_EQ(unsigned{png.at(18)} << 8 | png.at(19), row.width);  // in the header
        }
    }
}

// The dynamic text on station 1, unit 1, address 100 shows the row of the value the file gives;
// every screen of an image becomes a picture named by its number.
TEST(RenderCommand, ShowsTheValuesOfAFileAndDrawsEveryScreen) {
    const test::CTempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const std::string values = "station,unit,address,value\n1,1,100,1\n";
    WriteFileAtomically(path("v.csv"), std::vector<std::uint8_t>(values.begin(), values.end()));
    const std::string image = test::TestDataPath("image-dynamic-text/expected.bin").string();
    const struct {
        cli::Arguments args;
        int exitCode;
        std::string out, err;
    } cases[] = {
        {{"render", image, "-o", path("zero.png")}, 0, path("zero.png") + ": screen 1\n", ""},
        {{"render", image, "--values", path("v.csv"), "-o", path("one.png")},
         0,
         path("one.png") + ": screen 1\n",
         ""},
        {{"render", test::TestDataPath("image-function-key/expected.bin").string(), "--all-screens",
          path("all")},
         0,
         path("all/screen-00001.png") + ": screen 1\n" + path("all/screen-00002.png") +
             ": screen 2\n",
         ""},
    };
    for (const auto& row : cases) {
        const auto run = RunCommand(row.args);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
    }
    EXPECT_NE(ReadFileBytes(path("zero.png")), ReadFileBytes(path("one.png")));
}

}  // namespace
}  // namespace tavelo
