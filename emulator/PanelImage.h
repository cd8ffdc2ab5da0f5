#pragma once
// A download image the emulator runs: read and checked by the image reader once, then asked for
// its screens and the bytes of its glyphs and pictures, every read bounded by the image.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "compiler/ImageContents.h"

namespace tavelo {

class CPanelImage {
public:
    // An image the reader cannot walk or finds damaged is refused with the reader's message.
    static CPanelImage Load(std::vector<std::uint8_t> bytes);

    bool IsLoaded() const { return m_strError.empty(); }
    const std::string& GetError() const { return m_strError; }
    const CImageContents& GetContents() const { return m_contents; }

    // The screen with that number, or null.
    const CImageScreen* FindScreen(std::int64_t number) const;
    // The bytes at offset, or an empty span when they do not lie wholly inside the image.
    std::span<const std::uint8_t> Bytes(std::size_t offset, std::size_t size) const;
    // The glyph at that place of its area; empty when the area has no such glyph.
    std::span<const std::uint8_t> WideGlyph(std::size_t position) const;
    std::span<const std::uint8_t> NarrowGlyph(std::size_t position) const;

private:
    std::vector<std::uint8_t> m_bytes;
    CImageContents m_contents;
    std::string m_strError;
};

}  // namespace tavelo
