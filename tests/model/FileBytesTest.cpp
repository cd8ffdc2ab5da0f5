#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "model/FileBytes.h"
#include "model/FileError.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

namespace tavelo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;
std::size_t FilesIn(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
}

// Makes every write beyond a few bytes fail as on a full disk, for the scope's length.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

TEST(FileBytes, AWriteReplacesTheEarlierFileWholeOrNotAtAll) {
    test::CTempDir dir;
    const auto file = dir / "p.ZORX";
    WriteFileAtomically(file, Bytes{1, 2, 3});
    WriteFileAtomically(file, Bytes{9, 9});
    EXPECT_EQ(ReadFileBytes(file), (Bytes{9, 9}));
    {
        CFileSizeLimit fullDisk(16);
        EXPECT_THROW(WriteFileAtomically(file, Bytes(4096, 0)), CFileError);
    }
    EXPECT_EQ(ReadFileBytes(file), (Bytes{9, 9}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);  // no temporary file left behind
}

// A read-only file is refused unless replacing it is asked for; a replaced file keeps its mode;
// a folder that takes no new file keeps the earlier one, and one that cannot be read (so not
// synced) is reported after the replacement. As root this runs as "nobody".
TEST(FileBytes, ReadOnlyFilesAndFoldersAreRefusedOrReportedAndModesKept) {
    using enum std::filesystem::perms;
    struct Case {
        std::filesystem::perms folder, file;
        EReadOnlyTarget readOnly;
        std::string complaint;
        std::uint8_t kept;
    };
    const Case cases[] = {
        {owner_all, owner_read | group_read, EReadOnlyTarget::kRefuse, "is read-only", 7},
        {owner_all, owner_read | group_read, EReadOnlyTarget::kReplace, "", 8},
        {owner_all, owner_read | owner_write | group_read, EReadOnlyTarget::kRefuse, "", 8},
        {owner_read | owner_exec, owner_read | owner_write, EReadOnlyTarget::kReplace,
         "cannot create a file beside", 7},
        {owner_write | owner_exec, owner_read, EReadOnlyTarget::kReplace, "cannot sync its folder",
         8}};
    const auto passed = test::RunUnprivileged(
        [&] {
            for (const Case& c : cases) {
                test::CTempDir dir;
                const auto file = dir / "p.ZORX";
                WriteFileAtomically(file, Bytes{7});
                std::filesystem::permissions(file, c.file);
                std::filesystem::permissions(dir.Path(), c.folder);
                std::string complaint;
                try {
                    WriteFileAtomically(file, Bytes{8}, c.readOnly);
                } catch (const CFileError& error) {
                    complaint = error.what();
                }
                std::filesystem::permissions(dir.Path(), owner_all);
                EXPECT_EQ(complaint.empty(), c.complaint.empty()) << complaint;
                EXPECT_THAT(complaint, HasSubstr(c.complaint));
                EXPECT_EQ(ReadFileBytes(file), Bytes{c.kept});
                EXPECT_EQ(std::filesystem::status(file).permissions(), c.file);
                EXPECT_EQ(FilesIn(dir.Path()), 1u);
            }
        },
        [] { return testing::Test::HasFailure(); });
    if (!passed) GTEST_SKIP() << "root without a user \"nobody\" to become";
    EXPECT_TRUE(*passed);
}

TEST(FileBytes, RootKeepsTheOwnerAndGroup) {
    if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    test::CTempDir dir;
    WriteFileAtomically(dir / "p", Bytes{1});
    ASSERT_EQ(chown((dir / "p").c_str(), 65534, 65534), 0);
    WriteFileAtomically(dir / "p", Bytes{2});
    struct stat now {};
    ASSERT_EQ(stat((dir / "p").c_str(), &now), 0);
    EXPECT_EQ(std::pair(now.st_uid, now.st_gid), std::pair(65534u, 65534u));
}

// Through links the file at their end is written, from beside it, and every link stays.
TEST(FileBytes, ALinkStaysAndTheFileItNamesIsWritten) {
    using Links = std::vector<std::pair<std::string, std::string>>;  // link, what it names
    const std::tuple<Links, std::string, std::size_t> cases[] = {
        {{{"p", "sub/real"}}, "sub/real", 3},
        {{{"p", "sub/q"}, {"sub/q", "real"}}, "sub/real", 4},
        {{{"p", "sub/new"}}, "sub/new", 4}};
    for (const auto& [links, written, entries] : cases) {
        test::CTempDir dir;
        std::filesystem::create_directory(dir / "sub");
        WriteFileAtomically(dir / "sub/real", Bytes{1});
        for (const auto& [link, named] : links) std::filesystem::create_symlink(named, dir / link);
        WriteFileAtomically(dir / "p", Bytes{2});
        for (const auto& [link, named] : links)
            EXPECT_TRUE(std::filesystem::is_symlink(dir / link));
        EXPECT_EQ(ReadFileBytes(dir / written), Bytes{2});
        EXPECT_EQ(FilesIn(dir.Path()) + FilesIn(dir / "sub"), entries);
        std::filesystem::create_symlink("loop", dir / "loop");
        EXPECT_THROW(WriteFileAtomically(dir / "loop", Bytes{1}), CFileError);
    }
}

TEST(FileBytes, ErrorsNameTheFileAndTheReasonAndFilesAboveTheCapAreRefused) {
    test::CTempDir dir;
    const auto notAFolder = dir / "plain";
    WriteFileAtomically(notAFolder, Bytes(100, 0));
    EXPECT_THAT(
        [&] { WriteFileAtomically(notAFolder / "p.ZORX", Bytes{1}); },
        ThrowsMessage<CFileError>(AllOf(HasSubstr("plain/p.ZORX"), HasSubstr("Not a directory"))));
    EXPECT_THAT([&] { ReadFileBytes(dir / "missing.ZORX"); },
                ThrowsMessage<CFileError>(HasSubstr("missing.ZORX: No such file")));
    EXPECT_THROW(ReadFileBytes(notAFolder, 99), CFileError);
    EXPECT_EQ(ReadFileBytes(notAFolder, 100).size(), 100u);
}

}  // namespace
}  // namespace tavelo
