#include <gtest/gtest.h>

#include "model/ProjectFileName.h"

namespace tavelo {
namespace {

TEST(ProjectFileName, TheProgramAlwaysSpellsTheStationExtensionExactly) {
    const struct {
        const char* given;
        const char* saved;
        bool loses;
    } cases[] = {
        {"line3", "line3.ZORX", false},
        {"line3.zorx", "line3.ZORX", true},
        {"dir/line3.Zorx", "dir/line3.ZORX", true},
        {"line3.ZORX", "line3.ZORX", false},
        {"line3.ZOR", "line3.ZOR", false},
        {"line3.zor", "line3.zor", false},
        {"line3.txt", "line3.txt", false},
        {"v1.2.zorx", "v1.2.ZORX", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProjectPathForSaving(c.given), std::filesystem::path(c.saved)) << c.given;
        EXPECT_EQ(LosesStationNumbers(c.given), c.loses) << c.given;
    }
}

}  // namespace
}  // namespace tavelo
