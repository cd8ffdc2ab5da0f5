#include "PanelImage.h"

#include "compiler/ImageReader.h"
#include "render/GlyphLayout.h"

namespace tavelo {

CPanelImage CPanelImage::Load(std::vector<std::uint8_t> bytes) {
    CPanelImage image;
    image.m_bytes = std::move(bytes);
    image.m_contents = CImageReader::Read(image.m_bytes);
    if (!image.m_contents.m_strError.empty()) {
        image.m_strError = image.m_contents.m_strError;
    } else if (!image.m_contents.m_violations.empty()) {
        const CImageViolation& first = image.m_contents.m_violations.front();
        image.m_strError = first.m_strText + " (byte " + std::to_string(first.m_nOffset) + ")";
    }
    return image;
}

const CImageScreen* CPanelImage::FindScreen(std::int64_t number) const {
    for (const CImageScreen& screen : m_contents.m_screens)
        if (screen.m_entry.Value("number") == number) return &screen;
    return nullptr;
}

std::span<const std::uint8_t> CPanelImage::Bytes(std::size_t offset, std::size_t size) const {
    if (offset > m_bytes.size() || size > m_bytes.size() - offset) return {};
    return std::span<const std::uint8_t>(m_bytes).subspan(offset, size);
}

std::span<const std::uint8_t> CPanelImage::WideGlyph(std::size_t position) const {
    if (position >= m_contents.m_wideGlyphs.size()) return {};
    return Bytes(m_contents.m_wideGlyphs[position].m_nOffset, kWideGlyphBytes);
}

std::span<const std::uint8_t> CPanelImage::NarrowGlyph(std::size_t position) const {
    if (position >= m_contents.m_narrowGlyphs.size()) return {};
    return Bytes(m_contents.m_narrowGlyphs[position].m_nOffset, kNarrowGlyphBytes);
}

}  // namespace tavelo
