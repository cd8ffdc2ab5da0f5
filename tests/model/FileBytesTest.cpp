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
using std::filesystem::perms;

struct stat StatusOf(const std::filesystem::path& file) {
    struct stat status {};
    EXPECT_EQ(lstat(file.c_str(), &status), 0) << file;
    return status;
}

// Runs as an ordinary user, or says why it cannot.
void ExpectPassesUnprivileged(const std::function<void()>& body) {
    const std::optional<bool> passed =
        test::RunUnprivileged(body, [] { return testing::Test::HasFailure(); });
    if (!passed) GTEST_SKIP() << "running as root without a user \"nobody\" to become";
    EXPECT_TRUE(*passed) << "failed as an ordinary user, see above";
}

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

// Read-only files are refused unless replacing is asked for, and then stay read-only; a
// folder that cannot take a new file keeps the earlier one; one that cannot be read (so not
// synced) is reported after the replacement.
TEST(FileBytes, ReadOnlyFilesAndFoldersAreRefusedOrReported) {
    struct Case {
        perms folder;
        perms file;
        EReadOnlyTarget readOnly;
        std::string complaint;
        Bytes expected;
    };
    const perms owner = perms::owner_all;
    const perms readOnly = perms::owner_read | perms::group_read;
    const Case cases[] = {
        {owner, readOnly, EReadOnlyTarget::kRefuse, "refused: cannot replace", {7}},
        {owner, readOnly, EReadOnlyTarget::kReplace, "", {8}},
        {perms::owner_read | perms::owner_exec, perms::owner_read | perms::owner_write,
         EReadOnlyTarget::kReplace, "cannot create a file beside", {7}},
        {perms::owner_write | perms::owner_exec, readOnly, EReadOnlyTarget::kReplace,
         "cannot sync its folder: Permission denied", {8}},
    };
    ExpectPassesUnprivileged([&] {
        for (const Case& c : cases) {
            test::CTempDir dir;
            const auto file = dir / "p.ZORX";
            WriteFileAtomically(file, Bytes{7});
            std::filesystem::permissions(file, c.file);
            std::filesystem::permissions(dir.Path(), c.folder);
            std::string complaint;
            try {
                WriteFileAtomically(file, Bytes{8}, c.readOnly);
            } catch (const CReadOnlyFileError& error) {
                complaint = std::string("refused: ") + error.what();
            } catch (const CFileError& error) {
                complaint = error.what();
            }
            std::filesystem::permissions(dir.Path(), owner);
            EXPECT_EQ(complaint.empty(), c.complaint.empty()) << complaint;
            EXPECT_THAT(complaint, HasSubstr(c.complaint));
            EXPECT_EQ(ReadFileBytes(file), c.expected) << c.complaint;
            EXPECT_EQ(std::filesystem::status(file).permissions(), c.file);
            EXPECT_EQ(FilesIn(dir.Path()), 1u);
        }
    });
}

// The new file keeps the earlier one's mode, and as root its owner and group.
TEST(FileBytes, TheNewFileKeepsTheEarlierModeOwnerAndGroup) {
    const bool root = geteuid() == 0;
    for (const mode_t mode : {0600, 0640, 0604, 0750}) {
        test::CTempDir dir;
        const auto file = dir / "p.ZORX";
        WriteFileAtomically(file, Bytes{1});
        ASSERT_EQ(chmod(file.c_str(), mode), 0);
        if (root) {
            ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
        }
        const struct stat earlier = StatusOf(file);
        WriteFileAtomically(file, Bytes{2});
        const struct stat now = StatusOf(file);
        EXPECT_EQ(now.st_mode & 07777, mode);
        EXPECT_EQ(now.st_uid, earlier.st_uid);
        EXPECT_EQ(now.st_gid, earlier.st_gid);
    }
}

// Saving through a link writes the file at its end, beside it, and keeps every link.
TEST(FileBytes, ALinkStaysAndTheFileItNamesIsWritten) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> links;  // link, what it names
        std::string written;
    };
    const Case cases[] = {
        {{{"p.ZORX", "real.ZORX"}}, "real.ZORX"},
        {{{"p.ZORX", "{dir}/sub/real.ZORX"}}, "sub/real.ZORX"},
        {{{"p.ZORX", "sub/q.ZORX"}, {"sub/q.ZORX", "../real.ZORX"}}, "real.ZORX"},
        {{{"p.ZORX", "sub/missing.ZORX"}}, "sub/missing.ZORX"},
    };
    for (const Case& c : cases) {
        test::CTempDir dir;
        std::filesystem::create_directory(dir / "sub");
        WriteFileAtomically(dir / "real.ZORX", Bytes{1});
        WriteFileAtomically(dir / "sub/real.ZORX", Bytes{1});
        for (const auto& [link, target] : c.links) {
            const std::string named = target.starts_with("{dir}")
                                          ? dir.Path().string() + target.substr(5)
                                          : target;
            std::filesystem::create_symlink(named, dir / link);
        }
        const std::size_t filesBefore = FilesIn(dir.Path()) + FilesIn(dir / "sub");
        WriteFileAtomically(dir / "p.ZORX", Bytes{2});
        for (const auto& [link, target] : c.links)
            EXPECT_TRUE(std::filesystem::is_symlink(dir / link)) << link;
        EXPECT_EQ(ReadFileBytes(dir / c.written), Bytes{2}) << c.written;
        const bool created = c.written.find("missing") != std::string::npos;
        EXPECT_EQ(FilesIn(dir.Path()) + FilesIn(dir / "sub"), filesBefore + created);
    }
    test::CTempDir loop;
    std::filesystem::create_symlink("b", loop / "a");
    std::filesystem::create_symlink("a", loop / "b");
    EXPECT_THAT([&] { WriteFileAtomically(loop / "a", Bytes{1}); },
                ThrowsMessage<CFileError>(HasSubstr("too many levels of symbolic links")));
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
