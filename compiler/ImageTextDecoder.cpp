#include "ImageTextDecoder.h"

#include "model/TextCodec.h"

namespace tavelo {

namespace {

constexpr std::uint8_t kTwoByteCode = 0x80;
constexpr std::uint32_t kDotMatrixWide = 0xF;
constexpr std::uint32_t kFirstVectorNibble = 0x9;
constexpr std::uint32_t kPositionMask = 0x0FFF;

std::u16string Placeholder(char kind, std::size_t position) {
    return FromUtf8("{" + std::string(1, kind) + std::to_string(position) + "}");
}

std::u16string Show(const std::vector<CImageGlyph>& glyphs, std::size_t position, char kind) {
    const CImageGlyph& glyph = glyphs[position];
    if (glyph.m_eKind == CImageGlyph::EKind::Character)
        return std::u16string(1, glyph.m_chCharacter);
    return Placeholder(kind, position);
}

}  // namespace

CImageTextDecoder::CText CImageTextDecoder::Decode(std::span<const std::uint8_t> codes) const {
    CText text;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] < kTwoByteCode) {
            if (codes[i] >= m_narrow.size()) {
                text.m_strFault = "code " + std::to_string(codes[i]) + " names no narrow glyph";
                text.m_strText += Placeholder('n', codes[i]);
            } else {
                text.m_strText += Show(m_narrow, codes[i], 'n');
            }
            continue;
        }
        if (i + 1 == codes.size()) {
            text.m_strFault = "the text ends inside a two-byte code";
            break;
        }
        const std::uint32_t code = (codes[i] << 8) | codes[i + 1];
        ++i;
        const std::uint32_t nibble = code >> 12;
        const std::size_t position = code & kPositionMask;
        if (nibble < kFirstVectorNibble) {
            text.m_strFault = "code " + std::to_string(code) + " is a graphic, not a character";
        } else if (position >= m_wide.size()) {
            text.m_strFault = "code " + std::to_string(code) + " names no wide glyph";
            text.m_strText += Placeholder('w', position);
        } else {
            text.m_strText += Show(m_wide, position, nibble == kDotMatrixWide ? 'w' : 'v');
        }
    }
    return text;
}

}  // namespace tavelo
