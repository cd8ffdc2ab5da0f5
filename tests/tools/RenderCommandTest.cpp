#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

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

// On the lamp-key image (note.txt) DOWN jumps to screen 3 and its ESC key sets the coil of the
// lamp on screen 2: the pictures after the keys are the screens drawn with the values the keys
// left. A name that is no key, --screen with --keys and a missing digits font draw nothing.
TEST(RenderCommand, DrawsThePanelAfterTheKeys) {
    const test::CTempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const std::string image = test::TestDataPath("cli-emulate/lamp-key.img").string();
    const std::string lit = "station,unit,address,value\n1,3,5,1\n";
    WriteFileAtomically(path("lit.csv"), std::vector<std::uint8_t>(lit.begin(), lit.end()));
    const struct {
        cli::Arguments args;
        int exitCode;
        std::string err;
        const char* dataDir = nullptr;  // TAVELO_DATA_DIR for the run
    } cases[] = {
        {{"render", image, "--keys", "DOWN", "-o", path("keys-3.png")}, 0, ""},
        {{"render", image, "--screen", "3", "-o", path("screen-3.png")}, 0, ""},
        {{"render", image, "--keys", "down esc UP", "--save-values", path("saved.csv"), "-o",
          path("keys-2.png")},
         0,
         ""},
        {{"render", image, "--values", path("lit.csv"), "-o", path("screen-2.png")}, 0, ""},
        {{"render", image, "--keys", "DOWN F21", "-o", path("b.png")},
         2,
         "tavelo-cli render: \"F21\" is not a key of the panel\n"},
        {{"render", image, "--keys", "DOWN", "--screen", "3", "-o", path("b.png")}, 2, ""},
        {{"render", image, "-o", path("b.png")},
         1,
         "tavelo-cli render: cannot open " + path("ASCII.DAT") +
             ": No such file or directory (the panel's digits for registers)\n",
         dir.Path().c_str()},
    };
    for (const auto& row : cases) {
        if (row.dataDir) setenv("TAVELO_DATA_DIR", row.dataDir, 1);
        const auto run = RunCommand(row.args);
        unsetenv("TAVELO_DATA_DIR");
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        if (!row.err.empty()) {
            EXPECT_EQ(run.err, row.err);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(path("b.png")));
    EXPECT_EQ(ReadFileBytes(path("keys-3.png")), ReadFileBytes(path("screen-3.png")));
    EXPECT_EQ(ReadFileBytes(path("keys-2.png")), ReadFileBytes(path("screen-2.png")));
    EXPECT_EQ(ReadFileBytes(path("saved.csv")), ReadFileBytes(path("lit.csv")));
}

// Each line of the script redraws the frame (32 block-character lines) and its status line;
// the lamp-key script lights the lamp of screen 2 as in the golden frame, a wait runs the
// screen saver, a word that is no key is named and skipped, and quit ends the run.
TEST(EmulateCommand, RunsTheKeysOfItsInputAndDrawsAFrameAfterEachLine) {
    const auto run =
        RunCommand({"emulate", test::TestDataPath("cli-emulate/lamp-key.img").string()},
                   "DOWN\nesc bogus wait soon\nUP\nSET 1\nwait 200\nquit\nDOWN\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err,
              "tavelo-cli emulate: \"bogus\" is not a key, wait N or quit\n"
              "tavelo-cli emulate: wait takes a whole number of seconds, not \"soon\"\n");
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    const std::string status = " | page screen | typed \"\" | refused none | backlight ";
    const std::vector<std::string> expected = {
        "screen 2" + status + "on",
        "screen 3" + status + "on",
        "screen 3" + status + "on",
        "screen 2" + status + "on",
        "screen 2 | page screen | typed \"1\" | refused none | backlight on",
        "screen 2" + status + "off",
        "screen 2" + status + "off"};
    ASSERT_EQ(lines.size(), expected.size() * 33);
    std::string lampOn;
    for (std::size_t frame = 0; frame < expected.size(); ++frame) {
        EXPECT_EQ(lines[frame * 33 + 32], expected[frame]);
        if (frame == 3) {
            for (std::size_t line = 0; line < 32; ++line) lampOn += lines[frame * 33 + line] + "\n";
        }
    }
    const std::vector<std::uint8_t> golden =
        ReadFileBytes(test::TestDataPath("cli-emulate/lamp-on.txt"));
    EXPECT_EQ(lampOn, std::string(golden.begin(), golden.end()));
}

}  // namespace
}  // namespace tavelo
