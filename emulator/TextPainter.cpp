#include "TextPainter.h"

#include "LcdFrame.h"
#include "PanelImage.h"

namespace tavelo {

namespace {

constexpr std::uint8_t kTwoByteCode = 0x80;
constexpr std::uint32_t kPositionMask = 0x0FFF;
constexpr std::uint32_t kFirstNarrowVectorNibble = 0x9;
constexpr std::uint32_t kLastNarrowVectorNibble = 0xB;

bool IsNarrowVector(std::uint32_t code) {
    const std::uint32_t nibble = code >> 12;
    return nibble >= kFirstNarrowVectorNibble && nibble <= kLastNarrowVectorNibble;
}

}  // namespace

std::int32_t CTextPainter::Draw(CLcdFrame& frame, std::span<const std::uint8_t> codes,
                                std::int32_t x, std::int32_t y, const CDotLook& look) const {
    const std::int32_t start = x;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] < kTwoByteCode) {
            CColumnPicture(m_image.NarrowGlyph(codes[i]), kNarrowWidth)
                .Draw(frame, x, y, kNarrowWidth, kGlyphHeight, look);
            x += kNarrowWidth * look.Scale();
            continue;
        }
        if (i + 1 == codes.size()) break;
        const std::uint32_t code = (static_cast<std::uint32_t>(codes[i]) << 8) | codes[i + 1];
        ++i;
        const std::int32_t width = IsNarrowVector(code) ? kNarrowWidth : kWideWidth;
        CColumnPicture(m_image.WideGlyph(code & kPositionMask), kWideWidth)
            .Draw(frame, x, y, width, kGlyphHeight, look);
        x += width * look.Scale();
    }
    return x - start;
}

}  // namespace tavelo
