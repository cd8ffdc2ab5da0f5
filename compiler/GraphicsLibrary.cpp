#include "GraphicsLibrary.h"

#include <algorithm>
#include <fstream>

#include "CompileError.h"
#include "CompilerMessages.h"
#include "model/FileBytes.h"
#include "model/FileError.h"
#include "model/TextCodec.h"

namespace tavelo {

namespace {

constexpr std::int64_t kLargestRecordNumber = 0xFFFFFF;

[[noreturn]] void FailToRead(const std::filesystem::path& file, const std::string& reason) {
    throw CCompileError(compiler_messages::kCannotOpenGraphics, file.string() + ": " + reason);
}

}  // namespace

CGraphicsLibrary::CGraphicsLibrary(std::filesystem::path dataDirectory)
    : m_dataDirectory(std::move(dataDirectory)) {
    Reset();
}

void CGraphicsLibrary::Reset() {
    m_names.assign(kFixedGraphics.begin(), kFixedGraphics.end());
}

void CGraphicsLibrary::Add(std::u16string_view name) {
    if (std::find(m_names.begin(), m_names.end(), name) == m_names.end())
        m_names.emplace_back(name);
}

std::int32_t CGraphicsLibrary::GetCode(std::u16string_view name, std::size_t glyphsBefore) const {
    const auto found = std::find(m_names.begin(), m_names.end(), name);
    if (found == m_names.end()) return kNotAdded;
    return static_cast<std::int32_t>(kCodeBase + glyphsBefore + (found - m_names.begin()));
}

std::int64_t CGraphicsLibrary::RecordNumber(std::u16string_view name) {
    std::int64_t number = 0;
    for (char16_t character : name) {
        if (character < u'0' || character > u'9') break;
        // Saturates: no file holds a record that far out, so the read refuses it.
        number = std::min(number * 10 + (character - u'0'), kLargestRecordNumber);
    }
    return number;
}

void CGraphicsLibrary::Write(std::span<std::uint8_t> destination, std::size_t expectedSize) const {
    const std::size_t bytes = m_names.size() * kGraphicBytes;
    if (bytes != expectedSize || expectedSize > destination.size())
        throw CCompileError({}, "the graphics take " + std::to_string(bytes) +
                                    " bytes, the image reserves " + std::to_string(expectedSize));
    const std::filesystem::path file = m_dataDirectory / kGraphicsFileName;
    try {
        RequireRegularFile(file);
    } catch (const CFileError& error) {
        throw CCompileError(compiler_messages::kCannotOpenGraphics, error.what());
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) FailToRead(file, "cannot be opened");
    auto out = destination.begin();
    for (const std::u16string& name : m_names) {
        const std::int64_t record = RecordNumber(name);
        stream.seekg(static_cast<std::streamoff>(record * kGraphicBytes));
        stream.read(reinterpret_cast<char*>(&*out), kGraphicBytes);
        if (stream.gcount() != static_cast<std::streamsize>(kGraphicBytes))
            FailToRead(file, "holds no graphic " + ToUtf8(name));
        out += kGraphicBytes;
    }
}

}  // namespace tavelo
