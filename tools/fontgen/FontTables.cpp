#include "FontTables.h"

#include <stdexcept>
#include <string>

#include "UnifontSource.h"
#include "render/FontLibrary.h"
#include "render/Gb2312Codec.h"
#include "render/GlyphError.h"
#include "render/GlyphLayout.h"

namespace tavelo {

namespace {

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastPrintable = 0x7E;

const SUnifontGlyph& Require(const CUnifontSource& unifont, char16_t character) {
    const SUnifontGlyph* glyph = unifont.Find(character);
    if (!glyph)
        throw std::runtime_error(unifont.GetFileName() + " has no glyph for " +
                                 DescribeCharacter(character));
    return *glyph;
}

// Two row bytes per dot row; a narrow glyph moves 4 dots right to the middle of the cell.
void CopyWide(const SUnifontGlyph& glyph, std::uint8_t* cell) {
    for (int y = 0; y < kGlyphRows; ++y) {
        if (glyph.m_nWidth == kWideGlyphColumns) {
            cell[2 * y] = glyph.m_rows[2 * y];
            cell[2 * y + 1] = glyph.m_rows[2 * y + 1];
        } else {
            cell[2 * y] = static_cast<std::uint8_t>(glyph.m_rows[y] >> 4);
            cell[2 * y + 1] = static_cast<std::uint8_t>(glyph.m_rows[y] << 4);
        }
    }
}

}  // namespace

std::vector<std::uint8_t> BuildAsciiTable(const CUnifontSource& unifont) {
    std::vector<std::uint8_t> table(CFontLibrary::kAsciiTableBytes);
    for (char16_t character = kFirstPrintable; character <= kLastPrintable; ++character) {
        const SUnifontGlyph& glyph = Require(unifont, character);
        if (glyph.m_nWidth != 8)
            throw std::runtime_error(unifont.GetFileName() + " holds " +
                                     DescribeCharacter(character) +
                                     " 16 dots wide; the narrow font needs 8");
        std::copy(glyph.m_rows.begin(), glyph.m_rows.end(),
                  table.begin() + character * kNarrowGlyphBytes);
    }
    return table;
}

std::vector<std::uint8_t> BuildHanziTable(const CUnifontSource& unifont) {
    std::vector<std::uint8_t> table(CFontLibrary::kHanziTableBytes);
    CGb2312Codec codec;
    for (int row = 0; row < CGb2312Codec::kRowCount; ++row)
        for (int column = 0; column < CGb2312Codec::kRowCount; ++column) {
            const auto character =
                codec.Decode({static_cast<std::uint8_t>(CGb2312Codec::kFirstByte + row),
                              static_cast<std::uint8_t>(CGb2312Codec::kFirstByte + column)});
            if (!character) continue;
            const std::size_t position = row * CGb2312Codec::kRowCount + column;
            CopyWide(Require(unifont, *character), &table[position * kWideGlyphBytes]);
        }
    return table;
}

}  // namespace tavelo
