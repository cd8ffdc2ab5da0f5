#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "CompilerFixtures.h"
#include "GoldenCases.h"
#include "compiler/CompilerMessages.h"
#include "compiler/ReapplyPanels.h"
#include "elements/ElementClasses.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "support/TempDir.h"

namespace tavelo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProjectFile = "project.ZORX";
constexpr const char* kImageFile = "expected.bin";
constexpr const char* kCasePrefix = "image-";
constexpr const char* kNearLimitCase = "image-near-limit";

fs::path GoldenDirectory() {
    return TAVELO_GOLDEN_DIR;
}

// Opens the project as the command line does for a build, and compiles it.
CCompileOutcome CompileProjectFile(const fs::path& project, const test::CSyntheticDataDir& data) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    CTaveloDoc doc;
    CAppState state;
    CProjectFile::Open(project, registry, doc, state);
    ReapplyPanels(doc, state);
    return test::Compile(doc, state, data);
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(GoldenDirectory()))
        if (entry.path().filename().string().starts_with(kCasePrefix))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenImage : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenImage, ProjectCompilesToItsImage) {
    const fs::path folder = GoldenDirectory() / GetParam();
    ASSERT_TRUE(fs::exists(folder / "note.txt"));
    test::CSyntheticDataDir data;
    const CCompileOutcome outcome = CompileProjectFile(folder / kProjectFile, data);
    ASSERT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
    const std::vector<std::uint8_t> expected = ReadFileBytes(folder / kImageFile);
    const std::vector<std::uint8_t>& actual = outcome.m_image->m_bytes;
    const auto difference =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    EXPECT_TRUE(difference.first == actual.end() && difference.second == expected.end())
        << "sizes " << actual.size() << " and " << expected.size() << ", first difference at "
        << (difference.first - actual.begin());
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenImage, ::testing::ValuesIn(CaseNames()),
                         [](const auto& info) {
                             std::string name = info.param.substr(std::string(kCasePrefix).size());
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

std::vector<test::CGoldenCase> AllCases(const test::CSyntheticDataDir& data) {
    std::vector<test::CGoldenCase> cases = test::GoldenCases();
    cases.push_back({kNearLimitCase, [&data](CTaveloDoc& doc) {
                         test::BuildNearLimitCase(doc, [&data](const CTaveloDoc& project) {
                             const CCompileOutcome outcome =
                                 test::Compile(project, CAppState(), data);
                             if (outcome.Succeeded()) return outcome.m_image->GetLength();
                             EXPECT_EQ(outcome.m_messages.back(), compiler_messages::kImageTooLarge);
                             return kMaxImageSize + 1;
                         });
                     }});
    return cases;
}

// The case builders still make the stored projects, so a case can be changed in code and its
// files made again: with TAVELO_UPDATE_GOLDEN=1 this writes every case's project and image
// instead of comparing (then check the bytes against the layout and update the case's note).
TEST(GoldenImageCases, BuildersMakeTheStoredProjects) {
    test::CSyntheticDataDir data;
    const char* update = std::getenv("TAVELO_UPDATE_GOLDEN");
    const bool updating = update && std::string(update) == "1";
    test::CTempDir scratch;
    for (const test::CGoldenCase& golden : AllCases(data)) {
        const fs::path folder = updating ? GoldenDirectory() / golden.m_pszName : scratch.Path();
        fs::create_directories(folder);
        CTaveloDoc doc;
        CAppState state;
        state.m_nModelIndex = CAppState::kModelZorB;
        state.m_currentPlc = test::GoldenPlc();
        golden.m_build(doc);
        CProjectFile::Save(doc, state, folder / kProjectFile);
        if (updating) {
            const CCompileOutcome outcome = CompileProjectFile(folder / kProjectFile, data);
            ASSERT_TRUE(outcome.Succeeded()) << golden.m_pszName << ": " << outcome.m_strReason;
            WriteFileAtomically(folder / kImageFile, outcome.m_image->m_bytes);
        } else {
            EXPECT_EQ(ReadFileBytes(folder / kProjectFile),
                      ReadFileBytes(GoldenDirectory() / golden.m_pszName / kProjectFile))
                << golden.m_pszName;
        }
    }
}

}  // namespace
}  // namespace tavelo
