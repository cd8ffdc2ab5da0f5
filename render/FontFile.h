#pragma once
// One delivered dot-matrix font file, opened for glyph reads once its length has been checked
// against the complete table, so a short file is refused instead of yielding stale bytes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace tavelo {

class CFontFile {
public:
    // Throws CGlyphError with "无法打开字库文件" when the file cannot be opened or is shorter
    // than tableBytes.
    CFontFile(const std::filesystem::path& file, std::size_t tableBytes);

    // Fills the glyph from the offset; a read that would leave the table or fails throws
    // CGlyphError like the constructor.
    void Read(std::size_t offset, std::span<std::uint8_t> glyph);

private:
    [[noreturn]] void Fail(const std::string& reason) const;

    std::filesystem::path m_file;
    std::size_t m_nTableBytes;
    std::ifstream m_stream;
};

}  // namespace tavelo
