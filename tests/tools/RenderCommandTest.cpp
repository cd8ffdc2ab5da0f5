#include <gtest/gtest.h>

#include "model/FileBytes.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

// A project or its image gives a picture of 192 x 64 dots at the scale; a missing screen, a
// damaged image or a bad scale give no picture.
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

}  // namespace
}  // namespace tavelo
