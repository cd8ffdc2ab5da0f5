#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "model/FileBytes.h"
#include "model/FileError.h"
#include "support/TempDir.h"

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
