// The files delivered for the user beside the program: the two user manuals printed at build
// time, and the desktop entry with the project file types it opens.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

constexpr int kElementKinds = 11;

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The first group of every match.
std::set<std::string> AllMatches(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
         it != std::sregex_iterator(); ++it)
        found.insert((*it)[1]);
    return found;
}

// Each names its own model in its title (UTF-16BE, as Qt's PDF writer stores it), so the two
// also differ; one page object per element kind at least, without the page tree.
TEST(DeliveredManuals, EachIsAPdfForItsOwnModelWithAPagePerElementKind) {
    const auto titleEnd = [](const std::string& model) {
        std::string utf16;
        for (const char c : " " + model) utf16 += std::string{'\0', c};
        return utf16 + ")";
    };
    const char* bin = std::getenv("TAVELO_BIN_DIR");
    for (const auto& [file, model, other] :
         {std::tuple{"QLMA.pdf", "ZORA", "ZORB"}, std::tuple{"QLMB.pdf", "ZORB", "ZORA"}}) {
        const std::string pdf = ReadAll(std::filesystem::path(bin ? bin : "") / file);
        EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u) << file << " missing: build the user_manuals target";
        const std::regex page("/Type /Page[^s]");
        EXPECT_GE(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                                std::sregex_iterator()),
                  kElementKinds)
            << file;
        EXPECT_NE(pdf.find(titleEnd(model)), std::string::npos) << file;
        EXPECT_EQ(pdf.find(titleEnd(other)), std::string::npos) << file;
    }
}

TEST(DesktopEntry, OpensExactlyTheFileTypesTheMimePackageDefines) {
    const auto folder = std::filesystem::path(TAVELO_SOURCE_DIR) / "data/desktop";
    const std::string entry = ReadAll(folder / "tavelo.desktop");
    const std::string mime = ReadAll(folder / "tavelo-mime.xml");
    ASSERT_FALSE(entry.empty() || mime.empty());
    std::smatch line;
    ASSERT_TRUE(std::regex_search(entry, line, std::regex("\nMimeType=([^\n]*)")));
    const std::set<std::string> opened = AllMatches(line[1], "([^;]+);");
    EXPECT_FALSE(opened.empty());
    EXPECT_EQ(opened, AllMatches(mime, "<mime-type type=\"([^\"]+)\""));
    const std::set<std::string> globs = AllMatches(mime, "<glob pattern=\"([^\"]+)\"");
    for (const char* project : {"*.zorx", "*.ZORX", "*.zor", "*.ZOR"})
        EXPECT_TRUE(globs.count(project)) << project;
}

}  // namespace
