#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "elements/StaticText.h"
#include "model/AppState.h"
#include "model/FileBytes.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"
#include "model/TaveloDoc.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace tavelo {
namespace {

using test::RunCommand;

class CheckCommands : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    // The delivered example project, which has nothing to find.
    std::string Demo() const {
        const char* bin = std::getenv("TAVELO_BIN_DIR");
        const std::string command = std::string(bin ? bin : ".") + "/tavelo-demo-project " +
                                    PathOf("demo.ZORX") + " > /dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return PathOf("demo.ZORX");
    }
    // A new project with a character outside the fonts and a missing initial screen; its
    // screen 1 leads down to a screen 2 it does not have.
    std::string Damaged() const {
        CTaveloDoc doc;
        CAppState state;
        MakeNewProject(doc);
        doc.GetSystemSettings().m_nInitialScreen = 7;
        auto text = std::make_unique<CStaticText>(CRect{18, 36, 60, 72});
        text->SetText(u"A☃");
        text->m_nScreenNo = 1;
        doc.AddElement(std::move(text));
        CProjectFile::Save(doc, state, PathOf("damaged.ZORX"));
        return PathOf("damaged.ZORX");
    }
    test::CTempDir m_dir;
};

TEST_F(CheckCommands, TheExampleProjectIsCleanAndListsItsAddresses) {
    const std::string demo = Demo();
    const auto check = RunCommand({"check", demo});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out, "");
    const auto csv = RunCommand({"addresses", demo, "--csv"});
    EXPECT_EQ(csv.exitCode, 0);
    EXPECT_TRUE(csv.out.starts_with("\xEF\xBB\xBF局号,单元,地址,位,字节数,读写,画面,使用者\r\n"));
    EXPECT_NE(csv.out.find("1,4X,10,0,2,读写,2,\"画面 2 位于 (8, 24) 的寄存器\"\r\n"),
              std::string::npos)
        << csv.out;
    const auto json = RunCommand({"addresses", demo, "--json"});
    EXPECT_NE(json.out.find("\"unit\": \"0X\""), std::string::npos);
}

TEST_F(CheckCommands, FindingsPrintAsJsonAndStopABuild) {
    const std::string damaged = Damaged();
    const auto check = RunCommand({"check", damaged, "--json"});
    EXPECT_EQ(check.exitCode, 1);
    const auto expected = test::TestDataBytes("check/findings.json");
    EXPECT_EQ(check.out, std::string(expected.begin(), expected.end()));
    const auto build = RunCommand({"build", damaged});
    EXPECT_EQ(build.exitCode, 1);
    EXPECT_NE(build.err.find("错误 [initial-screen-missing] 系统设置的初始画面 7 不存在\n"),
              std::string::npos)
        << build.err;
    EXPECT_EQ(RunCommand({"check", PathOf("none.ZORX")}).exitCode, 2);
}

// The PDF's own text, pages ended by form feeds, as poppler-utils' pdftotext reads it.
std::string PdfText(const std::string& file) {
    std::string text;
    FILE* pipe = popen(("pdftotext -layout " + file + " -").c_str(), "r");
    if (!pipe) return text;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
        text.append(buffer, read);
    pclose(pipe);
    return text;
}

TEST_F(CheckCommands, TheReportHasATitlePageAPagePerScreenAndTheTables) {
    const auto run = RunCommand({"report", Demo(), "-o", PathOf("demo.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, PathOf("demo.pdf") + ": 7 pages\n");
    const std::string text = PdfText(PathOf("demo.pdf"));
    // Title, three screens, alarms, addresses, findings.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 7) << text;
    for (const char* expected :
         {"调试报告", "PLC 类型：Modbus(RTU)", "画面 2 温度", "局号 1，4X 地址 10，位 0",
          "电机过热", "地址交叉引用", "系统设置的控制寄存器", "工程检查：没有发现问题"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(CheckCommands, StrictBuildsRefuseWarnings) {
    CTaveloDoc doc;
    CAppState state;
    MakeNewProject(doc);
    CProjectFile::Save(doc, state, PathOf("new.ZORX"));
    EXPECT_EQ(RunCommand({"build", PathOf("new.ZORX")}).exitCode, 0);
    const auto strict = RunCommand({"build", PathOf("new.ZORX"), "--strict"});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_NE(strict.err.find("警告 [updown-target-missing] 画面 1 的下翻画面 2 不存在"),
              std::string::npos)
        << strict.err;
}

}  // namespace
}  // namespace tavelo
