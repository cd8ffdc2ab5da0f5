#pragma once
// What a compilation hands back: the image with its layout, or the failure; and every
// message the user is shown on the way, in order.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ImageLayout.h"

namespace tavelo {

struct CDownloadImage {
    // Padded with 0xFF to whole 512-byte units.
    std::vector<std::uint8_t> m_bytes;
    CImageLayout m_layout;

    // The bytes before the padding.
    std::size_t GetLength() const { return m_layout.GetLength(); }
    std::size_t GetUnitCount() const { return m_bytes.size() / kImageUnitSize; }
    // The block count the panel is told: 4 per 512-byte unit.
    std::size_t GetBlockCount() const { return kBlocksPerUnit * GetUnitCount(); }
};

struct CCompileOutcome {
    // Present when the compilation succeeded.
    std::optional<CDownloadImage> m_image;
    // The messages shown, in order: on success those of data the panel gets as well as it
    // can ("位图点阵提取错误", ...); on failure the failure's own last, if it has one (some
    // failures close the download dialog without a message).
    std::vector<std::u16string> m_messages;
    // The areas as far as they were laid out, also when the compilation failed, so the size
    // of an image too large for the panel can be shown area by area.
    CImageLayout m_layout;
    // Why the compilation failed, naming the file, record or size at fault.
    std::string m_strReason;

    bool Succeeded() const { return m_image.has_value(); }
};

}  // namespace tavelo
