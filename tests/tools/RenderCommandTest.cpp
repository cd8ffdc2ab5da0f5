#include <gtest/gtest.h>

#include <cstdlib>

#include "model/FileBytes.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::RunCommand;

// On the lamp-key image (note.txt) DOWN jumps to screen 3 and its ESC key sets the coil of the
// lamp on screen 2: the pictures after the keys are the screens drawn with the values the keys
// left. A name that is no key, --screen with --keys and a missing digits font draw nothing;
// every screen of an image becomes a picture named by its number. A project is compiled first;
// a missing screen, a damaged image, a bad scale or values file give no picture either.
TEST(RenderCommand, DrawsThePanelAfterTheKeysWithTheValuesTheyLeft) {
    const test::CTempDir dir;
    const auto path = [&](const char* name) { return (dir / name).string(); };
    const std::string image = test::TestDataPath("cli-emulate/lamp-key.img").string();
    const std::string lit = "station,unit,address,value\n1,3,5,1\n";
    WriteFileAtomically(path("lit.csv"), std::vector<std::uint8_t>(lit.begin(), lit.end()));
    WriteFileAtomically(path("short.img"), std::vector<std::uint8_t>(20));
    ASSERT_EQ(RunCommand({"new", path("p.ZORX")}).exitCode, 0);
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
        {{"render", path("p.ZORX"), "--scale", "2", "-o", path("p.png")}, 0, drawn("p.png", 1)},
        {{"render", image, "--screen", "9", "-o", path("b.png")},
         1,
         "",
         "tavelo-cli render: screen 9 is not in the image\n"},
        {{"render", path("short.img"), "-o", path("b.png")},
         1,
         "",
         "tavelo-cli render: " + path("short.img") +
             ": the image holds 20 bytes, fewer than its header and system block\n"},
        {{"render", image, "--scale", "17", "-o", path("b.png")}, 2, ""},
        {{"render", image, "--values", image, "-o", path("b.png")},
         1,
         "",
         "tavelo-cli render: " + image + ": a values file ends in .json or .csv\n"},
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
    const auto width = [&](const char* name) {  // in the PNG header
        const std::vector<std::uint8_t> png = ReadFileBytes(path(name));
        return unsigned{png.at(18)} << 8 | png.at(19);
    };
    EXPECT_EQ(width("p.png"), 384u);
    EXPECT_EQ(width("lit.png"), 768u);
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
