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

std::filesystem::path ProgramDirectory() {
    const char* directory = std::getenv("TAVELO_BIN_DIR");
    return directory ? directory : "";
}

std::filesystem::path DesktopSourceDirectory() {
    return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "data" / "desktop";
}

// Page objects, without the page tree ("/Type /Pages").
int CountPages(const std::string& pdf) {
    const std::string page = "/Type /Page";
    int pages = 0;
    for (auto at = pdf.find(page); at != std::string::npos; at = pdf.find(page, at + 1))
        if (pdf.compare(at + page.size(), 1, "s") != 0) ++pages;
    return pages;
}

// The end of the document title as Qt's PDF writer stores it: UTF-16BE in a literal string.
std::string TitleEnd(const std::string& model) {
    std::string utf16;
    for (const char c : " " + model) utf16 += std::string{'\0', c};
    return utf16 + ")";
}

std::set<std::string> AllMatches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
        found.insert((*it)[1]);
    return found;
}

// Each names its own model in its title, so the two also differ.
TEST(DeliveredManuals, EachIsAPdfForItsOwnModelWithAPagePerElementKind) {
    struct {
        const char* m_pszFile;
        const char* m_pszModel;
        const char* m_pszOtherModel;
    } const manuals[] = {{"QLMA.pdf", "ZORA", "ZORB"}, {"QLMB.pdf", "ZORB", "ZORA"}};
    for (const auto& manual : manuals) {
        SCOPED_TRACE(manual.m_pszFile);
        const std::string pdf = ReadAll(ProgramDirectory() / manual.m_pszFile);
        ASSERT_FALSE(pdf.empty()) << "missing: build the user_manuals target";
        EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
        EXPECT_GE(CountPages(pdf), kElementKinds);
        EXPECT_NE(pdf.find(TitleEnd(manual.m_pszModel)), std::string::npos);
        EXPECT_EQ(pdf.find(TitleEnd(manual.m_pszOtherModel)), std::string::npos);
    }
}

TEST(DesktopEntry, OpensExactlyTheFileTypesTheMimePackageDefines) {
    const std::string entry = ReadAll(DesktopSourceDirectory() / "tavelo.desktop");
    const std::string mime = ReadAll(DesktopSourceDirectory() / "tavelo-mime.xml");
    ASSERT_FALSE(entry.empty() || mime.empty());

    std::smatch line;
    ASSERT_TRUE(std::regex_search(entry, line, std::regex("\nMimeType=([^\n]*)")));
    const std::string listed = line[1];
    const std::set<std::string> opened = AllMatches(listed, std::regex("([^;]+);"));
    const std::set<std::string> defined =
        AllMatches(mime, std::regex("<mime-type type=\"([^\"]+)\""));
    EXPECT_FALSE(opened.empty());
    EXPECT_EQ(opened, defined);

    const std::set<std::string> globs = AllMatches(mime, std::regex("<glob pattern=\"([^\"]+)\""));
    for (const char* project : {"*.zorx", "*.ZORX", "*.zor", "*.ZOR"})
        EXPECT_TRUE(globs.count(project)) << project;
}

}  // namespace
