#include <gtest/gtest.h>

#include "model/AppState.h"
#include "model/FileBytes.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

using test::RunCommand;

class BuildImageCommands : public ::testing::Test {
protected:
    std::filesystem::path PathOf(const std::string& name) const { return m_dir / name; }
    test::CTempDir m_dir;
};

TEST_F(BuildImageCommands, ABuiltImageReadsBackWithoutViolations) {
    ASSERT_EQ(RunCommand({"new", PathOf("p.ZORX").string(), "--plc", "16"}).exitCode, 0);
    const auto build = RunCommand({"build", PathOf("p.ZORX").string()});
    ASSERT_EQ(build.exitCode, 0) << build.err;
    // One screen without elements: 222 bytes, one 512-byte unit of four blocks.
    EXPECT_NE(build.out.find("p.img: 222 bytes, 512 with padding, 4 blocks\n"), std::string::npos)
        << build.out;
    EXPECT_EQ(ReadFileBytes(PathOf("p.img")).size(), 512u);

    const auto image = RunCommand({"image", PathOf("p.img").string()});
    EXPECT_EQ(image.exitCode, 0) << image.err;
    EXPECT_NE(image.out.find("0 violations"), std::string::npos) << image.out;
    const auto json = RunCommand({"image", PathOf("p.img").string(), "--json"});
    EXPECT_NE(json.out.find("\"violations\": []"), std::string::npos) << json.out;

    ASSERT_EQ(
        RunCommand({"build", PathOf("p.ZORX").string(), "-o", PathOf("q.bin").string()}).exitCode,
        0);
    EXPECT_EQ(ReadFileBytes(PathOf("q.bin")), ReadFileBytes(PathOf("p.img")));
}

TEST_F(BuildImageCommands, ACompilerRefusalWritesNoImage) {
    CTaveloDoc doc;
    MakeNewProject(doc);
    doc.GetSystemSettings().m_nInitialScreen = 7;
    CAppState state;
    CProjectFile::Save(doc, state, PathOf("lost.ZORX"));
    const auto build = RunCommand({"build", PathOf("lost.ZORX").string()});
    EXPECT_EQ(build.exitCode, 1);
    EXPECT_NE(build.err.find("系统设置的初始画面 7 不存在"), std::string::npos) << build.err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("lost.img")));
}

TEST_F(BuildImageCommands, DamagedImagesListTheirViolations) {
    ASSERT_EQ(RunCommand({"new", PathOf("p.ZORX").string()}).exitCode, 0);
    ASSERT_EQ(RunCommand({"build", PathOf("p.ZORX").string()}).exitCode, 0);
    std::vector<std::uint8_t> bytes = ReadFileBytes(PathOf("p.img"));
    bytes[1] ^= 0x40;  // the screen table's offset now points elsewhere
    WriteFileAtomically(PathOf("bent.img"), bytes);
    bytes.resize(20);
    WriteFileAtomically(PathOf("cut.img"), bytes);
    for (const char* name : {"bent.img", "cut.img"}) {
        const auto run = RunCommand({"image", PathOf(name).string()});
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCommand({"image", PathOf("none.img").string()}).exitCode, 1);
}

}  // namespace
}  // namespace tavelo
