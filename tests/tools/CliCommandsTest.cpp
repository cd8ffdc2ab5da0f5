#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "model/FileBytes.h"
#include "plc/PlcTypeFile.h"
#include "support/BmpFiles.h"
#include "support/CliRun.h"
#include "support/PlcSamples.h"
#include "support/TempDir.h"
#include "support/TestData.h"
#include "support/Unprivileged.h"

namespace tavelo {
namespace {

using test::Bytes;
using test::CliRun;
using test::MakePlc;
using test::MakeUnit;
using test::RunCommand;

constexpr auto npos = std::string::npos;

// Two types: one whose unit names are wide (CJK, full-width, beyond the BMP) or end in a blank,
// one without units and with serial values outside the known tables.
std::vector<CPLC> SampleTypes() {
    CPLC omron =
        MakePlc(u"欧姆龙",
                {MakeUnit(u"DM", 0, 0, 6655, 15, 1, 2, 2), MakeUnit(u"IR ", 2, 0, 243, 15, 2, 2, 1),
                 MakeUnit(u"数据Ａ\U00020000", 1, 0, 0, 511, 3, 1, 1)},
                CSerialComParam(0, 3, 0, 1, 2));
    omron.m_bUseStation = 1;
    omron.m_nStationMax = 31;
    CPLC odd = MakePlc(u"Odd \"one\"", {}, CSerialComParam(1, 9, 1, 0, 7));
    odd.m_bAdvanced = 1;
    return {omron, odd};
}

// Sample files in a fresh folder, which "{dir}" stands for in arguments and expected outputs.
class CliCommands : public testing::Test {
protected:
    void SetUp() override {
        const auto types = CPlcTypeFile::Write(SampleTypes());
        WriteFileAtomically(m_dir / "types.DAT", types);
        WriteFileAtomically(m_dir / "cut.DAT", {types.begin(), types.end() - 3});
        test::BmpLayout bars, wide;
        bars.width = 12;  // rounds up to 16 dots
        bars.pixel = [](std::int32_t x, std::int32_t) { return x < 4 ? 0u : 1u; };
        wide.width = 200;
        WriteFileAtomically(m_dir / "bars.bmp", test::MakeBmp(bars));
        WriteFileAtomically(m_dir / "wide.bmp", test::MakeBmp(wide));
        WriteFileAtomically(m_dir / "cut.bmp", test::Ascii("BM\1\2"));
        WriteFileAtomically(m_dir / "bad.ZORX", test::B({1, 0, 0xFF, 0xFF}));
        ASSERT_EQ(Run({"new", "{dir}/demo", "--plc", "16", "--model", "ZORB"}).exitCode, 0);
    }
    std::string InDir(std::string text) const {
        for (auto at = text.find("{dir}"); at != npos; at = text.find("{dir}", at))
            text.replace(at, 5, m_dir.Path().string());
        return text;
    }
    CliRun Run(cli::Arguments args) const {
        for (std::string& arg : args) arg = InDir(arg);
        return RunCommand(args);
    }
    Bytes Read(const std::string& name) const { return ReadFileBytes(m_dir / name); }

    test::CTempDir m_dir;
};

// Whole outputs, kept in tests/data/cli-output (see its note.txt).
TEST_F(CliCommands, ListingsPrintExactlyTheseTexts) {
    const std::pair<cli::Arguments, const char*> cases[] = {
        {{"plctypes", "{dir}/types.DAT"}, "plctypes.txt"},
        {{"plctypes", "--json", "{dir}/types.DAT"}, "plctypes.json"},
        {{"bitmap", "{dir}/bars.bmp"}, "bitmap.txt"},
        {{"bitmap", "{dir}/bars.bmp", "--json"}, "bitmap.json"},
        {{"glyphs", "A温€"}, "glyphs.txt"},
        {{"info", "{dir}/demo.ZORX"}, "info.txt"},
        {{"new", "{dir}/a.ZORX"}, "new-defaults.txt"},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun run = Run(args);
        const Bytes text = test::TestDataBytes(std::string("cli-output/") + expected);
        EXPECT_EQ(run.exitCode, 0) << expected;
        EXPECT_EQ(run.err, "") << expected;
        EXPECT_EQ(run.out, InDir({text.begin(), text.end()})) << expected;
    }
}

// The delivered PLC types and the installed vector faces change apart from these tests.
TEST_F(CliCommands, DeliveredTypesAndVectorGlyphsAreListed) {
    const CliRun types = Run({"plctypes"});
    EXPECT_EQ(types.exitCode, 0) << types.err;
    EXPECT_NE(types.out.find("[16] Modbus(RTU)\n"), npos);
    EXPECT_NE(types.out.find("    \"PV \""), npos);
    const CliRun json = Run({"glyphs", "温", "--face", "宋体", "--size", "16", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"face\": \"宋体\",\n  \"size\": 16"), npos) << json.out;
    EXPECT_NE(json.out.find("\"missing\": false"), npos) << json.out;
    const auto glyph = json.out.find("\"glyph\": \"");
    ASSERT_NE(glyph, npos);
    EXPECT_EQ(json.out.find('"', glyph + 10) - (glyph + 10), 64u);  // 32 bytes
}

TEST(CliHelp, ListsEveryCommandAndTheVersionNamesTheProgram) {
    const CliRun run = RunCommand({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Usage: tavelo-cli"), npos);
    for (const char* command : {"plctypes", "new", "info", "dump", "convert", "download", "build",
                                "image", "render", "emulate", "bitmap", "glyphs", "ports"})
        EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), npos) << command;
    EXPECT_EQ(RunCommand({"--version"}).out.rfind("tavelo-cli ", 0), 0u);
    const CliRun bare = RunCommand({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_NE(bare.out.find("Usage"), npos);
}

// A wrong command line (exit code 2, refused before anything is read) or a failure (1) gives
// one line on stderr naming what was wrong, nothing on stdout, and writes no file.
TEST_F(CliCommands, RefusalsAndFailuresGiveOneLineNamingTheProblem) {
    const Bytes demo = Read("demo.ZORX");
    const struct {
        cli::Arguments args;
        int exitCode;
        std::vector<std::string> named;
        bool withoutTypes = false;  // the data folder lacks PlcTypes.DAT
    } cases[] = {
        {{"frobnicate"}, 2, {"frobnicate"}},
        {{"info"}, 2, {"FILE"}},
        {{"new", "p.ZORX", "--plc", "x"}, 2, {"--plc"}},
        {{"new", "p.ZORX", "--plc", "-3"}, 2, {"--plc"}},
        {{"new", "p.ZORX", "--model", "ZORC"}, 2, {"ZORC"}},
        {{"plctypes", "--yaml"}, 2, {"--yaml"}},
        {{"plctypes", "a.DAT", "b.DAT"}, 2, {"not expected: b.DAT"}},
        {{"glyphs", "x", "--face", "宋体", "--size", "13"}, 2, {"--size: 13"}},
        {{"glyphs", "x", "--size", "12"}, 2, {"--size requires --face"}},
        {{"download", "p.ZORX"}, 2, {"--port"}},
        {{"plctypes", "{dir}/absent.DAT"}, 1, {"cannot open {dir}/absent.DAT"}},
        {{"plctypes", "{dir}/cut.DAT"}, 1, {"damaged PLC type file {dir}/cut.DAT", "byte offset"}},
        {{"plctypes", "--json", "{dir}/cut.DAT"}, 1, {"damaged PLC type file", "byte offset"}},
        {{"bitmap", "{dir}/wide.bmp"}, 1, {"wide.bmp: 单色位图超出192*64范围"}},
        {{"bitmap", "{dir}/cut.bmp"}, 1, {"cut.bmp: "}},
        {{"bitmap", "{dir}/none.bmp"}, 1, {"none.bmp"}},
        {{"info", "{dir}/bad.ZORX"}, 1, {"bad.ZORX: ", "byte offset"}},
        {{"dump", "{dir}/bad.ZORX"}, 1, {"bad.ZORX: ", "byte offset"}},
        {{"convert", "{dir}/none.ZORX", "{dir}/out.ZORX"}, 1, {"none.ZORX: No such file"}},
        {{"glyphs", "x", "--face", "No Such Face Anywhere"}, 1, {"No Such Face Anywhere"}},
        // What the new-project dialog refuses.
        {{"new", "{dir}/x.ZORX", "--plc", "10"}, 1, {"不支持该协议! (AB(SLC500))"}},
        {{"new", "{dir}/x.ZORX", "--plc", "999"}, 1, {"no PLC type at position 999"}},
        {{"new", "{dir}/demo.ZORX", "--plc", "3"}, 1, {"add --force"}},
        {{"new", "{dir}/x.ZORX"}, 1, {"请安装后再运行"}, true},
    };
    for (const auto& c : cases) {
        if (c.withoutTypes) setenv("TAVELO_DATA_DIR", m_dir.Path().c_str(), 1);
        const CliRun run = Run(c.args);
        unsetenv("TAVELO_DATA_DIR");
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_EQ(run.out, "") << run.err;
        for (const std::string& named : c.named)
            EXPECT_NE(run.err.find(InDir(named)), npos) << named << " in " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(m_dir / "x.ZORX"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "out.ZORX"));
    EXPECT_EQ(Read("demo.ZORX"), demo);
    EXPECT_EQ(Run({"new", "{dir}/demo.ZORX", "--plc", "3", "--force"}).exitCode, 0);
    EXPECT_NE(Read("demo.ZORX"), demo);
}

// Both layouts convert back to the same bytes; only the exact extension ".ZORX" stores station
// numbers, so a new project's name gets it and another spelling is warned of.
TEST_F(CliCommands, ConvertKeepsTheBytesAndNamesWhereStationNumbersAreLost) {
    const std::pair<const char*, const char*> steps[] = {
        {"demo.ZORX", "p.ZOR"}, {"p.ZOR", "q.ZORX"}, {"q.ZORX", "r.ZORX"}};
    for (const auto& [from, to] : steps) {
        const CliRun run =
            Run({"convert", std::string("{dir}/") + from, std::string("{dir}/") + to});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "") << to;
    }
    EXPECT_EQ(Read("q.ZORX"), Read("demo.ZORX"));
    EXPECT_EQ(Read("r.ZORX"), Read("demo.ZORX"));
    const CliRun lower = Run({"convert", "{dir}/demo.ZORX", "{dir}/copy.zorx"});
    EXPECT_EQ(lower.exitCode, 0);
    EXPECT_NE(lower.err.find("station numbers are not stored"), npos) << lower.err;
    EXPECT_TRUE(std::filesystem::exists(m_dir / "copy.zorx"));
    ASSERT_EQ(Run({"new", "{dir}/line3.zorx"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(m_dir / "line3.ZORX"));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "line3.zorx"));
}

// A read-only target stays without --force and is replaced, still read-only, with it. As
// root this runs as "nobody".
TEST_F(CliCommands, ConvertRefusesAReadOnlyTargetUnlessForced) {
    const Bytes demo = Read("demo.ZORX");
    const auto passed = test::RunUnprivileged(
        [&] {
            test::CTempDir dir;
            const std::string in = (dir / "in.ZORX").string(), out = (dir / "out.ZORX").string();
            WriteFileAtomically(in, demo);
            WriteFileAtomically(out, Bytes{1});
            std::filesystem::permissions(out, std::filesystem::perms::owner_read);
            const CliRun refused = RunCommand({"convert", in, out});
            EXPECT_EQ(refused.exitCode, 1);
            EXPECT_NE(refused.err.find("out.ZORX: the file is read-only"), npos) << refused.err;
            EXPECT_EQ(RunCommand({"convert", in, out, "--force"}).exitCode, 0);
            EXPECT_EQ(ReadFileBytes(out), demo);
            EXPECT_EQ(std::filesystem::status(out).permissions(),
                      std::filesystem::perms::owner_read);
        },
        [] { return testing::Test::HasFailure(); });
    if (!passed) GTEST_SKIP() << "root without a user \"nobody\" to become";
    EXPECT_TRUE(*passed);
}

}  // namespace
}  // namespace tavelo
