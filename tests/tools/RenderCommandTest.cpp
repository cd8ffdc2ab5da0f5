#include <gtest/gtest.h>

#include "model/FileBytes.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

class RenderCommand : public ::testing::Test {
protected:
    RenderCommand() {
        EXPECT_EQ(RunCommand({"new", PathOf("p.ZORX")}).exitCode, 0);
        EXPECT_EQ(RunCommand({"build", PathOf("p.ZORX")}).exitCode, 0);
    }
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    // The picture's width and height from its header.
    std::pair<std::uint32_t, std::uint32_t> PictureSize(const std::string& name) const {
        const std::vector<std::uint8_t> png = ReadFileBytes(PathOf(name));
        EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
        const auto at = [&](std::size_t offset) {
            return std::uint32_t{png.at(offset)} << 24 | png.at(offset + 1) << 16 |
                   png.at(offset + 2) << 8 | png.at(offset + 3);
        };
        return {at(16), at(20)};
    }
    test::CTempDir m_dir;
};

TEST_F(RenderCommand, DrawsAProjectOrAnImageAtTheChosenScale) {
    const auto project = RunCommand({"render", PathOf("p.ZORX"), "-o", PathOf("a.png")});
    ASSERT_EQ(project.exitCode, 0) << project.err;
    EXPECT_EQ(project.out, PathOf("a.png") + ": screen 1\n");
    EXPECT_EQ(PictureSize("a.png"), std::pair(768u, 256u));
    const auto image = RunCommand(
        {"render", PathOf("p.img"), "--screen", "1", "--scale", "1", "-o", PathOf("b.png")});
    ASSERT_EQ(image.exitCode, 0) << image.err;
    EXPECT_EQ(PictureSize("b.png"), std::pair(192u, 64u));
}

TEST_F(RenderCommand, RefusesAMissingScreenADamagedImageAndABadScale) {
    std::vector<std::uint8_t> bytes = ReadFileBytes(PathOf("p.img"));
    bytes.resize(20);
    WriteFileAtomically(PathOf("short.img"), bytes);
    const struct {
        cli::Arguments args;
        int exitCode;
        std::string message;
    } cases[] = {
        {{"render", PathOf("p.img"), "--screen", "9", "-o", PathOf("x.png")},
         1,
         "tavelo-cli render: screen 9 is not in the image\n"},
        {{"render", PathOf("short.img"), "-o", PathOf("x.png")},
         1,
         "tavelo-cli render: " + PathOf("short.img") +
             ": the image holds 20 bytes, fewer than its header and system block\n"},
        {{"render", PathOf("p.img"), "--scale", "0", "-o", PathOf("x.png")}, 2, ""},
    };
    for (const auto& refusal : cases) {
        const auto run = RunCommand(refusal.args);
        EXPECT_EQ(run.exitCode, refusal.exitCode) << run.err;
        if (!refusal.message.empty()) {
            EXPECT_EQ(run.err, refusal.message);
        }
        EXPECT_FALSE(std::filesystem::exists(PathOf("x.png")));
    }
}

}  // namespace
}  // namespace tavelo
