#include "FontFile.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "GlyphError.h"
#include "RenderMessages.h"
#include "model/FileBytes.h"
#include "model/FileError.h"

namespace tavelo {

CFontFile::CFontFile(const std::filesystem::path& file, std::size_t tableBytes)
    : m_file(file), m_nTableBytes(tableBytes) {
    try {
        RequireRegularFile(file);
    } catch (const CFileError& error) {
        throw CGlyphError(render_messages::kCannotOpenFontFile, error.what());
    }
    m_stream.open(file, std::ios::binary);
    if (!m_stream) Fail(std::string("cannot open it: ") + std::strerror(errno));
    m_stream.seekg(0, std::ios::end);
    const std::streamoff size = m_stream.tellg();
    if (size < 0) Fail("its size is unknown");
    if (static_cast<std::uintmax_t>(size) < tableBytes)
        Fail("it is damaged: " + std::to_string(size) + " bytes, a complete font holds " +
             std::to_string(tableBytes));
}

void CFontFile::Read(std::size_t offset, std::span<std::uint8_t> glyph) {
    if (offset > m_nTableBytes || glyph.size() > m_nTableBytes - offset)
        Fail("no glyph lies at byte " + std::to_string(offset));
    m_stream.seekg(static_cast<std::streamoff>(offset));
    if (!m_stream.read(reinterpret_cast<char*>(glyph.data()),
                       static_cast<std::streamsize>(glyph.size())))
        Fail("read error at byte " + std::to_string(offset));
}

void CFontFile::Fail(const std::string& reason) const {
    throw CGlyphError(render_messages::kCannotOpenFontFile, m_file.string() + ": " + reason);
}

}  // namespace tavelo
