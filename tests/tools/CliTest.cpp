#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace tavelo::cli {
namespace {

using test::CliRun;
using test::RunCommand;

TEST(Cli, HelpListsTheCommandsAndSucceeds) {
    const CliRun run = RunCommand({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Usage: tavelo-cli"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

TEST(Cli, VersionNamesTheProgram) {
    const CliRun run = RunCommand({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("tavelo-cli ", 0), 0u);
}

TEST(Cli, UnknownCommandFailsWithAMessageOnStderr) {
    const CliRun run = RunCommand({"frobnicate"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("frobnicate"), std::string::npos);
}

TEST(Cli, NoArgumentsShowsUsageAndFails) {
    const CliRun run = RunCommand({});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.out.find("Usage"), std::string::npos);
}

}  // namespace
}  // namespace tavelo::cli
