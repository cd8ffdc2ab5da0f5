#pragma once
// Importing a BMP file for a static bitmap ("静态位图"): the picture as the element stores it,
// or the message that says why there is none.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "PanelBitmap.h"

namespace tavelo {

struct CBitmapImport {
    // Exactly one of the two is set.
    std::optional<CPanelBitmap> m_bitmap;
    std::u16string m_strMessage;

    // The file's bytes are untrusted: a damaged or unsupported file gives a message naming
    // the fault and its byte offset.
    static CBitmapImport FromBytes(std::span<const std::uint8_t> bytes);
    // Also a message when the file cannot be read.
    static CBitmapImport FromFile(const std::filesystem::path& file);
};

}  // namespace tavelo
