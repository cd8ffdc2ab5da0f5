#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "CompilerFixtures.h"
#include "compiler/ReapplyPanels.h"
#include "elements/ElementClasses.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"

namespace tavelo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCasePrefix = "image-";

fs::path GoldenDirectory() {
    return TAVELO_TEST_DATA_DIR;
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

// Each folder holds a project, the image it compiles to and a note on how the bytes were
// checked. With TAVELO_UPDATE_GOLDEN=1 the images are written anew instead of compared.
class GoldenImage : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenImage, ProjectCompilesToItsImage) {
    const fs::path folder = GoldenDirectory() / GetParam();
    ASSERT_TRUE(fs::exists(folder / "note.txt"));
    test::CSyntheticDataDir data;
    const CCompileOutcome outcome = CompileProjectFile(folder / "project.ZORX", data);
    ASSERT_TRUE(outcome.Succeeded()) << outcome.m_strReason;
    const std::vector<std::uint8_t>& actual = outcome.m_image->m_bytes;
    const char* update = std::getenv("TAVELO_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") WriteFileAtomically(folder / "expected.bin", actual);
    const std::vector<std::uint8_t> expected = ReadFileBytes(folder / "expected.bin");
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

}  // namespace
}  // namespace tavelo
