#include <gtest/gtest.h>

#include <cstdlib>

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

// On the lamp-key image (note.txt) DOWN jumps to screen 3 and its ESC key sets the coil of the
// lamp on screen 2: the pictures after the keys are the screens drawn with the values the keys
// left. A name that is no key, --screen with --keys and a missing digits font draw nothing;
// every screen of an image becomes a picture named by its number.
TEST(RenderCommand, DrawsThePanelAfterTheKeysWithTheValuesTheyLeft) {
    const test::CTempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const std::string image = test::TestDataPath("cli-emulate/lamp-key.img").string();
    const std::string lit = "station,unit,address,value\n1,3,5,1\n";
    WriteFileAtomically(path("lit.csv"), std::vector<std::uint8_t>(lit.begin(), lit.end()));
    const auto drawn = [&](const char* name, int screen) {
        return path(name) + ": screen " + std::to_string(screen) + "\n";
    };
    const struct {
        cli::Arguments args;
        int exitCode;
        std::string out, err = {};
        const char* dataDir = nullptr;  // TAVELO_DATA_DIR for the run
    } cases[] = {
        {{"render", image, "--keys", "DOWN", "-o", path("keys-3.png")}, 0, drawn("keys-3.png", 3)},
        {{"render", image, "--screen", "3", "-o", path("screen-3.png")},
         0,
         drawn("screen-3.png", 3)},
        {{"render", image, "--keys", "down esc UP", "--save-values", path("saved.csv"), "-o",
          path("keys-2.png")},
         0,
         drawn("keys-2.png", 2)},
        {{"render", image, "--values", path("lit.csv"), "-o", path("lit.png")},
         0,
         drawn("lit.png", 2)},
        {{"render", image, "--all-screens", path("all")},
         0,
         drawn("all/screen-00001.png", 1) + drawn("all/screen-00002.png", 2) +
             drawn("all/screen-00003.png", 3)},
        {{"render", image, "--keys", "DOWN F21", "-o", path("b.png")},
         2,
         "",
         "tavelo-cli render: \"F21\" is not a key of the panel\n"},
        {{"render", image, "--keys", "DOWN", "--screen", "3", "-o", path("b.png")}, 2, ""},
        {{"render", image, "-o", path("b.png")},
         1,
         "",
         "tavelo-cli render: cannot open " + path("ASCII.DAT") +
             ": No such file or directory (the panel's digits for registers)\n",
         dir.Path().c_str()},
    };
    for (const auto& row : cases) {
        if (row.dataDir) setenv("TAVELO_DATA_DIR", row.dataDir, 1);
        const auto run = RunCommand(row.args);
        unsetenv("TAVELO_DATA_DIR");
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_EQ(run.out, row.out);
        if (!row.err.empty()) {
            EXPECT_EQ(run.err, row.err);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(path("b.png")));
    EXPECT_EQ(ReadFileBytes(path("keys-3.png")), ReadFileBytes(path("screen-3.png")));
    EXPECT_EQ(ReadFileBytes(path("keys-2.png")), ReadFileBytes(path("lit.png")));
    EXPECT_NE(ReadFileBytes(path("lit.png")), ReadFileBytes(path("all/screen-00002.png")));
    EXPECT_EQ(ReadFileBytes(path("saved.csv")), ReadFileBytes(path("lit.csv")));
}

// A frame and its status line after each line of the script (note.txt): the lamp lights, the
// saver darkens the panel, a word that is no key is named and skipped, quit ends the run.
TEST(EmulateCommand, DrawsAFrameAfterEachLineOfItsInput) {
    const auto run =
        RunCommand({"emulate", test::TestDataPath("cli-emulate/lamp-key.img").string()},
                   "DOWN\nesc bogus wait soon\nUP\nwait 200\nquit\nDOWN\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err,
              "tavelo-cli emulate: \"bogus\" is not a key, wait N or quit\n"
              "tavelo-cli emulate: wait takes a whole number of seconds, not \"soon\"\n");
    const test::Bytes frames = test::TestDataBytes("cli-emulate/lamp-key-frames.txt");
    EXPECT_EQ(run.out, std::string(frames.begin(), frames.end()));
}

}  // namespace
}  // namespace tavelo
