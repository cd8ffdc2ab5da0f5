#include "FileBytes.h"

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

// Closes the descriptor and removes the temporary file unless the write was committed.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::filesystem::path& target)
        : m_strPath(target.string() + ".XXXXXX") {
        m_nFd = mkstemp(m_strPath.data());
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

    void CommitAs(const std::filesystem::path& target) {
        if (fsync(m_nFd) != 0) Throw("cannot flush");
        const int fd = m_nFd;
        m_nFd = -1;
        if (close(fd) != 0) Throw("cannot close");
        // New files get the usual permissions rather than mkstemp's owner-only ones.
        const mode_t mask = umask(0);
        umask(mask);
        chmod(m_strPath.c_str(), 0666 & ~mask);
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

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    CTemporaryFile temporary(file);
    temporary.Write(bytes);
    temporary.CommitAs(file);
}

}  // namespace tavelo
