#include "FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "FileError.h"

namespace tavelo {

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file,
                                        std::uintmax_t maxBytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw CFileError("cannot open " + file.string() + ": " + std::strerror(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw CFileError("cannot read " + file.string() + ": not a regular file");
    if (static_cast<std::uintmax_t>(size) > maxBytes)
        throw CFileError("cannot read " + file.string() + ": " + std::to_string(size) +
                         " bytes is more than any such file holds");
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        throw CFileError("cannot read " + file.string() + ": read error");
    return bytes;
}

}  // namespace tavelo
