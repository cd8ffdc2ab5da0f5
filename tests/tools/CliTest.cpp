#include <gtest/gtest.h>

#include <algorithm>

#include "support/CliRun.h"

namespace tavelo::cli {
namespace {

using test::CliRun;
using test::RunCommand;

TEST(Cli, HelpListsEveryCommandAndEachCommandHasItsOwnHelp) {
    const CliRun run = RunCommand({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Usage: tavelo-cli"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
    for (const char* command : {"plctypes", "new", "info", "dump", "convert"}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
        const CliRun own = RunCommand({command, "--help"});
        EXPECT_EQ(own.exitCode, 0) << command;
        EXPECT_NE(own.out.find(std::string("Usage: tavelo-cli ") + command), std::string::npos)
            << own.out;
    }
}

TEST(Cli, VersionNamesTheProgram) {
    const CliRun run = RunCommand({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("tavelo-cli ", 0), 0u);
}

TEST(Cli, NoArgumentsShowsUsageAndFails) {
    const CliRun run = RunCommand({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.out.find("Usage"), std::string::npos);
}

// Each wrong command line is refused with exit code 2 and one line on stderr naming what was
// wrong, before anything is read or written.
TEST(Cli, WrongArgumentsGiveOneLineNamingTheProblem) {
    const struct {
        cli::Arguments args;
        const char* named;
    } cases[] = {
        {{"frobnicate"}, "frobnicate"},
        {{"info", "--verbose", "p.ZORX"}, "--verbose"},
        {{"info"}, "FILE"},
        {{"convert", "a.ZORX"}, "OUT"},
        {{"new", "p.ZORX", "--plc", "x"}, "--plc"},
        {{"new", "p.ZORX", "--plc", "-3"}, "--plc"},
        {{"new", "p.ZORX", "--model", "ZORC"}, "ZORC"},
        {{"new", "p.ZORX", "--model"}, "--model"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCommand(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.named;
        EXPECT_TRUE(run.out.empty()) << c.named;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
}  // namespace tavelo::cli
