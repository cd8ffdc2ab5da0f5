#include <gtest/gtest.h>

#include <algorithm>

#include "support/CliRun.h"

namespace tavelo::cli {
namespace {

using test::CliRun;
using test::RunCommand;

TEST(Cli, HelpListsEveryCommandEachHasItsOwnAndTheVersionNamesTheProgram) {
    const CliRun run = RunCommand({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Usage: tavelo-cli"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
    for (const char* command : {"plctypes", "new", "info", "dump", "convert", "download"}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
        const CliRun own = RunCommand({command, "--help"});
        EXPECT_EQ(own.exitCode, 0) << command;
        EXPECT_NE(own.out.find(std::string("Usage: tavelo-cli ") + command), std::string::npos)
            << own.out;
    }
    EXPECT_EQ(RunCommand({"--version"}).out.rfind("tavelo-cli ", 0), 0u);
    const CliRun bare = RunCommand({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_NE(bare.out.find("Usage"), std::string::npos);
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
        {{"new"}, "FILE"},
        {{"new", "p.ZORX", "--plc", "x"}, "--plc"},
        {{"new", "p.ZORX", "--plc", "-3"}, "--plc"},
        {{"new", "p.ZORX", "--model", "ZORC"}, "ZORC"},
        {{"new", "p.ZORX", "--model"}, "--model"},
        {{"plctypes", "--yaml"}, "--yaml"},
        {{"plctypes", "a.DAT", "b.DAT"}, "not expected: b.DAT"},
        {{"bitmap"}, "FILE"},
        {{"glyphs", "x", "--face", "宋体", "--size", "13"}, "--size: 13"},
        {{"glyphs", "x", "--size", "12"}, "--size requires --face"},
        {{"download", "p.ZORX"}, "--port"},
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
