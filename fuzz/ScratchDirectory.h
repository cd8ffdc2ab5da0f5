#pragma once
// A directory of this fuzzing process for the data files a target writes from its input, since
// their readers open files by name; removed when the process ends.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace tavelo::fuzz {

class CScratchDirectory {
public:
    CScratchDirectory()
        : m_path(std::filesystem::temp_directory_path() /
                 ("tavelo-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~CScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CScratchDirectory(const CScratchDirectory&) = delete;
    CScratchDirectory& operator=(const CScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Empties the directory, so no file of an earlier input is read.
    void Clear() const {
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            std::filesystem::remove_all(entry.path());
    }

    // Writes the bytes as the file, then extends it with zeros to size when size is larger:
    // long files cost no input.
    std::filesystem::path Write(const std::string& name, std::span<const std::uint8_t> bytes,
                                std::uintmax_t size = 0) const {
        const std::filesystem::path file = m_path / name;
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (size > bytes.size()) std::filesystem::resize_file(file, size);
        return file;
    }

private:
    std::filesystem::path m_path;
};

// The input's bytes repeated to the given length: a whole font or picture file from a short
// input, patterned by it.
inline std::vector<std::uint8_t> Tiled(std::span<const std::uint8_t> pattern, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    for (std::size_t i = 0; i < size && !pattern.empty(); ++i)
        bytes[i] = pattern[i % pattern.size()];
    return bytes;
}

}  // namespace tavelo::fuzz
