#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "FileError.h"

namespace tavelo {

void RequireRegularFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status)) return;
    if (std::filesystem::is_directory(status))
        throw CFileError("cannot read " + file.string() + ": it is a directory, not a file");
    if (!std::filesystem::is_regular_file(status))
        throw CFileError("cannot read " + file.string() + ": it is not a regular file");
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file,
                                        std::uintmax_t maxBytes) {
    RequireRegularFile(file);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw CFileError("cannot open " + file.string() + ": " + std::strerror(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw CFileError("cannot read " + file.string() + ": its size is unknown");
    if (static_cast<std::uintmax_t>(size) > maxBytes)
        throw CFileError("cannot read " + file.string() + ": " + std::to_string(size) +
                         " bytes is more than any such file holds");
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw CFileError("cannot read " + file.string() + ": read error");
    return bytes;
}

namespace {

// As many links as the system itself follows before it reports a loop.
constexpr int kMostLinksFollowed = 40;

// The file a chain of symbolic links ends at; a dangling link names the file to create.
std::filesystem::path FollowLinks(std::filesystem::path file) {
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) return file;
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error)
            throw CFileError("cannot follow the link " + file.string() + ": " + error.message());
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    throw CFileError("cannot write " + file.string() + ": too many levels of symbolic links");
}

bool IsReadOnlyTarget(const std::filesystem::path& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) != 0) return false;
    return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS);
}

// The rename is only durable once the folder that holds the new name is on disk too.
void SyncFolderOf(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // File systems without directory syncing answer EINVAL; nothing more can be done there.
    const bool synced = fd >= 0 && (fsync(fd) == 0 || errno == EINVAL);
    const std::string reason = std::strerror(errno);
    if (fd >= 0) close(fd);
    if (!synced)
        throw CFileError("replaced " + target.string() + " but cannot sync its folder: " + reason +
                         "; the new file may be lost on a power cut");
}

// Closes the descriptor and removes the temporary file unless the write was committed.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::filesystem::path& target)
        : m_strPath(target.string() + ".XXXXXX") {
        m_nFd = mkostemp(m_strPath.data(), O_CLOEXEC);
        if (m_nFd < 0) Throw("cannot create a file beside");
    }
    ~CTemporaryFile() {
        if (m_nFd >= 0) close(m_nFd);
        if (!m_bCommitted) unlink(m_strPath.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    void Write(std::span<const std::uint8_t> bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = write(m_nFd, bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) Throw("cannot write");
            done += static_cast<std::size_t>(written);
        }
    }

    // The earlier file's mode, and its owner and group as far as this user may give them; a
    // new file gets the usual permissions rather than mkstemp's owner-only ones.
    void TakeAttributesOf(const std::filesystem::path& target) {
        struct stat earlier {};
        if (stat(target.c_str(), &earlier) != 0) {
            const mode_t mask = umask(0);
            umask(mask);
            if (fchmod(m_nFd, 0666 & ~mask) != 0) Throw("cannot set the permissions of");
            return;
        }
        // Only root may give the owner and only a member the group; otherwise the new file
        // has this user's, as any file the user makes.
        [[maybe_unused]] const bool kept =
            fchown(m_nFd, earlier.st_uid, earlier.st_gid) == 0 ||
            fchown(m_nFd, static_cast<uid_t>(-1), earlier.st_gid) == 0;
        if (fchmod(m_nFd, earlier.st_mode & 07777) != 0) Throw("cannot set the permissions of");
    }

    void CommitAs(const std::filesystem::path& target) {
        if (fsync(m_nFd) != 0) Throw("cannot flush");
        const int fd = m_nFd;
        m_nFd = -1;
        if (close(fd) != 0) Throw("cannot close");
        if (rename(m_strPath.c_str(), target.c_str()) != 0) Throw("cannot replace");
        m_bCommitted = true;
    }

private:
    [[noreturn]] void Throw(const char* what) const {
        const std::string reason = std::strerror(errno);
        const std::string target = m_strPath.substr(0, m_strPath.size() - 7);
        throw CFileError(std::string(what) + " " + target + ": " + reason +
                         "; the earlier file, if any, is unchanged");
    }

    std::string m_strPath;
    int m_nFd = -1;
    bool m_bCommitted = false;
};

}  // namespace

bool IsReadOnlyFile(const std::filesystem::path& file) {
    return IsReadOnlyTarget(FollowLinks(file));
}

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         EReadOnlyTarget readOnly) {
    const std::filesystem::path target = FollowLinks(file);
    if (readOnly == EReadOnlyTarget::kRefuse && IsReadOnlyTarget(target))
        throw CReadOnlyFileError("cannot replace " + target.string() +
                                 ": the file is read-only; it is unchanged");
    CTemporaryFile temporary(target);
    temporary.Write(bytes);
    temporary.TakeAttributesOf(target);
    temporary.CommitAs(target);
    SyncFolderOf(target);
}

}  // namespace tavelo
